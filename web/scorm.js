// scorm.js
// The exercises' page inside a learning platform that speaks SCORM 1.2: the score and the work so far go to it, and a
// later visit resumes where the student stopped. The platform's API object is looked for as the standard says, in the
// page's window and its parents (seven at most), then in the window that opened it; without one the page works alone.
// A call the platform refuses is said once in the log, and the exercises go on.
(function () {
    function apiAbove(start) {
        try {
            for (var win = start, up = 0; win; win = win.parent, ++up) {
                if (win.API) {
                    return win.API;
                }
                if (up === 7 || win.parent === win) {
                    return null;
                }
            }
        } catch (error) { // a parent of another origin
        }
        return null;
    }
    var api = apiAbove(window) || (window.opener ? apiAbove(window.opener) : null);
    if (!api) {
        return;
    }
    var refused = false;
    function call(name, element, value) {
        var result = value === undefined ? api[name](element) : api[name](element, value);
        if (String(result) === 'false' && !refused) {
            refused = true;
            var log = document.getElementById('console');
            log.textContent += window.siteText('explorer-platform-failed') + name + '.\n';
        }
        return result;
    }
    call('LMSInitialize', '');
    var student = String(api.LMSGetValue('cmi.core.student_name') || '');
    var mastery = parseFloat(api.LMSGetValue('cmi.student_data.mastery_score'));
    var record = String(api.LMSGetValue('cmi.suspend_data') || '');
    mastery = isNaN(mastery) ? 50 : mastery;
    // The exercises settled: reported as each one gets its last verdict.
    var settled = -1;
    window.onPageRunning = function (module) {
        for (var i = 0; i < record.length; ++i) {
            module['_pageResume'](record.charCodeAt(i));
        }
        module['_pageResume'](0);
    };
    window.onPageState = function (state) {
        if (settled < 0) { // the first state, that of the set as it opens or resumes
            settled = state.settled;
            if (settled < 8) {
                call('LMSSetValue', 'cmi.core.lesson_status', 'incomplete');
            }
        } else if (state.settled > settled) {
            settled = state.settled;
            call('LMSSetValue', 'cmi.core.score.raw', String(state.percent));
            call('LMSSetValue', 'cmi.core.score.min', '0');
            call('LMSSetValue', 'cmi.core.score.max', '100');
            call('LMSSetValue', 'cmi.suspend_data', state.record);
            call('LMSCommit', '');
            if (settled === 8) {
                call('LMSSetValue', 'cmi.core.lesson_status', state.percent >= mastery ? 'passed' : 'failed');
                call('LMSCommit', '');
            }
        } else {
            settled = state.settled; // the set started again
        }
        if (state.settled === 8 && student) {
            document.getElementById('panel-text').textContent += '\n' + window.siteText('explorer-student') + student;
        }
    };
    window.addEventListener('pagehide', function () {
        call('LMSFinish', '');
    }, {once: true});
})();
