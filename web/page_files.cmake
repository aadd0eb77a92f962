# The page's own files in web/, which the site holds and the service worker
# caches (included by CMakeLists.txt and site.cmake).
set(ORRERY_PAGE_FILES index.html page.js page.css manifest.webmanifest)
