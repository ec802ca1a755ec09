# service_worker.cmake
# Run by the web build once the site is complete:
#   cmake -DSITE=<folder of the pages> -DFILES=<the site's files> -DTEMPLATE=<web/sw.js> -P service_worker.cmake
# Writes the site's service worker with the list of files it keeps and a cache name made from their contents, so
# that a build that changes any of them replaces the cache of the one before.

set(digests "")
set(names "")
foreach(file IN LISTS FILES)
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND digests "${digest} ${file}\n")
    list(APPEND names "'${file}'")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 version)
list(JOIN names ", " files)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
