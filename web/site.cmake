# Copies the page's own files beside the module and the layout script, draws
# the PNG icons from the SVG one, and names the service worker's cache after
# the contents of them all, so that a changed file reaches every visitor and an
# unchanged one is never fetched twice.
#   cmake -DSITE=dir -DSOURCE=web -DICON=icon.svg -DRSVG=rsvg-convert -P site.cmake
foreach(file index.html tessalo.js tessalo.css manifest.webmanifest)
  configure_file(${SOURCE}/${file} ${SITE}/${file} COPYONLY)
endforeach()
configure_file(${ICON} ${SITE}/icon.svg COPYONLY)

# A maskable icon keeps what matters inside the middle circle of 80 %, on an
# opaque background: launchers cut it to their own shape, and iOS fills
# transparency with black.
file(READ ${ICON} svg)
string(REGEX REPLACE "^.*<svg[^>]*>" "" inner "${svg}")
string(REGEX REPLACE "</svg>.*$" "" inner "${inner}")
file(CONFIGURE OUTPUT ${SITE}/icon-maskable.svg CONTENT
  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\
<rect width=\"32\" height=\"32\" fill=\"#8080ff\"/><g transform=\"translate(7 7) scale(0.5625)\">${inner}</g></svg>\n")
set(pngs icon-192.png icon.svg 192 icon-512.png icon.svg 512 icon-maskable-512.png icon-maskable.svg 512
         apple-touch-icon.png icon-maskable.svg 180)
set(icons "")
while(pngs)
  list(POP_FRONT pngs png from size)
  if(NOT EXISTS ${SITE}/${png} OR ${SITE}/${from} IS_NEWER_THAN ${SITE}/${png})
    execute_process(COMMAND ${RSVG} -w ${size} -h ${size} -o ${SITE}/${png} ${SITE}/${from} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  list(APPEND icons ${png})
endwhile()

set(cached index.html tessalo.js tessalo.css layout.js tessalo_core.js tessalo_core.wasm icon.svg ${icons}
    manifest.webmanifest)
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
