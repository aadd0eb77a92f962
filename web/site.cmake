# Puts the static site together (cmake -P, run by the site target): the page,
# the program, the icons, and the service worker with the list of the site's
# files and a cache name that changes whenever one of them does, so an
# installed page takes a new version as a whole.
#   -DSITE_DIR=out -DWEB_DIR=web/ -DPROGRAM_DIR=dir of orrery.js -DICON_DIR=dir
file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR})
include(${WEB_DIR}/page_files.cmake)
set(files ${ORRERY_PAGE_FILES})
foreach(f ${files})
  file(COPY ${WEB_DIR}/${f} DESTINATION ${SITE_DIR})
endforeach()
file(COPY ${PROGRAM_DIR}/orrery.js ${PROGRAM_DIR}/orrery.wasm DESTINATION ${SITE_DIR})
file(COPY ${ICON_DIR}/icon-192.png ${ICON_DIR}/icon-512.png DESTINATION ${SITE_DIR})
list(APPEND files orrery.js orrery.wasm icon-192.png icon-512.png)

set(hashes "")
set(SITE_FILES "'./'")
foreach(f ${files})
  file(SHA256 ${SITE_DIR}/${f} hash)
  string(APPEND hashes ${hash})
  string(APPEND SITE_FILES ", '${f}'")
endforeach()
string(SHA256 SITE_VERSION "${hashes}")
string(SUBSTRING ${SITE_VERSION} 0 16 SITE_VERSION)
configure_file(${WEB_DIR}/sw.js ${SITE_DIR}/sw.js @ONLY)
