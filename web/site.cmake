# Copies the page's own files beside the module and the layout script, and
# names the service worker's cache after the contents of them all, so that a
# changed file reaches every visitor and an unchanged one is never fetched twice.
#   cmake -DSITE=dir -DSOURCE=web -DICON=icon.svg -P site.cmake
foreach(file index.html tessalo.js tessalo.css manifest.webmanifest)
  configure_file(${SOURCE}/${file} ${SITE}/${file} COPYONLY)
endforeach()
configure_file(${ICON} ${SITE}/icon.svg COPYONLY)

set(cached index.html tessalo.js tessalo.css layout.js tessalo_core.js tessalo_core.wasm icon.svg manifest.webmanifest)
set(contents "")
foreach(file ${cached})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND contents ${hash})
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 VERSION)
list(TRANSFORM cached PREPEND "'./")
list(TRANSFORM cached APPEND "'")
list(JOIN cached ", " FILES)
configure_file(${SOURCE}/sw.js ${SITE}/sw.js @ONLY)
