# share_runtime.cmake
# Run by the web build once every program is linked:
#   cmake -DPROGRAMS=<names> -DLINKED=<folder of the linked programs> -DSITE=<folder of the pages> -P share_runtime.cmake
# emscripten writes a runtime script beside each program's WebAssembly. Linked with the same settings and the same
# runtime imports (page_runtime.cpp), the scripts differ only in the name of the WebAssembly file, which pre.js gives
# in its place. This checks that, writes the script once as inversion.js for every page, and puts each program's
# WebAssembly beside it.

foreach(name IN LISTS PROGRAMS)
    file(READ "${LINKED}/${name}.js" script)
    string(REPLACE "\"${name}.wasm\"" "\"inversion.wasm\"" script "${script}")
    if(NOT DEFINED shared)
        set(shared "${script}")
        set(first "${name}")
    elseif(NOT script STREQUAL shared)
        message(FATAL_ERROR "The runtime script of ${name} differs from that of ${first}, so the pages cannot share "
                            "one: compare ${LINKED}/${name}.js with ${LINKED}/${first}.js. A runtime function that "
                            "only some programs call belongs in web/page_runtime.cpp.")
    endif()
    file(COPY_FILE "${LINKED}/${name}.wasm" "${SITE}/${name}.wasm")
endforeach()
file(WRITE "${SITE}/inversion.js" "${shared}")
