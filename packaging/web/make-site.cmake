# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# Lays out a site for one WebAssembly program (cmake -P, after the program is
# linked): SITE gets the page, Qt's loader, the program's .js and .wasm, the
# icons and the manifest, and, when OFFLINE, the service worker that keeps
# them all, its cache named by a digest of them.
foreach(variable IN ITEMS SOURCE_DIR ICON_DIR PROGRAM_DIR TARGET SITE PRODUCT TITLE OFFLINE)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "make-site.cmake needs -D${variable}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${SITE}")
file(MAKE_DIRECTORY "${SITE}/icons")
file(COPY "${PROGRAM_DIR}/${TARGET}.js" "${PROGRAM_DIR}/${TARGET}.wasm" "${PROGRAM_DIR}/qtloader.js"
    DESTINATION "${SITE}")
file(COPY "${ICON_DIR}/quorvel-32.png" "${ICON_DIR}/quorvel.svg" "${SOURCE_DIR}/icons/quorvel-192.png"
    "${SOURCE_DIR}/icons/quorvel-512.png" DESTINATION "${SITE}/icons")

set(QUORVEL_PRODUCT "${PRODUCT}")
set(QUORVEL_PAGE_TITLE "${TITLE}")
set(QUORVEL_TARGET "${TARGET}")
set(QUORVEL_OFFLINE "${OFFLINE}")
configure_file("${SOURCE_DIR}/index.html.in" "${SITE}/index.html" @ONLY)
configure_file("${SOURCE_DIR}/start.js.in" "${SITE}/start.js" @ONLY)
configure_file("${SOURCE_DIR}/manifest.webmanifest.in" "${SITE}/manifest.webmanifest" @ONLY)

if(OFFLINE)
    file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
    list(SORT files)
    set(digests "")
    set(QUORVEL_SITE_FILES "'./'")
    foreach(file IN LISTS files)
        file(SHA256 "${SITE}/${file}" digest)
        string(APPEND digests "${digest} ${file}\n")
        string(APPEND QUORVEL_SITE_FILES ", '${file}'")
    endforeach()
    string(SHA256 QUORVEL_SITE_DIGEST "${digests}")
    string(SUBSTRING "${QUORVEL_SITE_DIGEST}" 0 16 QUORVEL_SITE_DIGEST)
    configure_file("${SOURCE_DIR}/sw.js.in" "${SITE}/sw.js" @ONLY)
endif()
