// streams.js
// The standard streams of a program in its page, in place of emscripten's file system, which a page would otherwise
// load for this alone: what the program writes goes to Module.writeStream (pre.js puts standard output on the page),
// and every read finds the end of the input, as no one can type into a page.
mergeInto(LibraryManager.library, {
    fd_write__deps: [],
    fd_write: function (fd, iov, iovcnt, pnum) {
        var written = 0;
        for (var i = 0; i < iovcnt; i++) {
            var start = HEAPU32[(iov + 8 * i) >> 2];
            var length = HEAPU32[(iov + 8 * i + 4) >> 2];
            Module['writeStream'](fd, HEAPU8.slice(start, start + length));
            written += length;
        }
        HEAPU32[pnum >> 2] = written;
        return 0;
    },
    fd_read__deps: [],
    fd_read: function (fd, iov, iovcnt, pnum) {
        HEAPU32[pnum >> 2] = 0;
        return 0;
    },
    // The streams are not files: no position to move (ESPIPE), nothing to close.
    fd_seek__deps: [],
    fd_seek: function () {
        return 70;
    },
    fd_close__deps: [],
    fd_close: function () {
        return 0;
    },
});
