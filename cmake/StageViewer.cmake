# cmake -DVIEWER=<viewer/> -DXITE=<node_modules/x_ite/dist> -DOUT=<folder> -P StageViewer.cmake
# Puts the viewer page in OUT afresh, with X_ITE's runtime under OUT/x_ite: x_ite.min.js, its
# style sheet, licence and assets (fonts, images, libraries, the minified components), which
# X_ITE finds relative to x_ite.min.js, and the minified module build x_ite.min.mjs, which the
# self-contained pages embed (atrium::html). The unminified bundles and type declarations are
# left out.
file(REMOVE_RECURSE ${OUT})
file(COPY ${VIEWER}/ DESTINATION ${OUT})
file(COPY ${XITE}/x_ite.min.js ${XITE}/x_ite.min.mjs ${XITE}/x_ite.css ${XITE}/LICENSE.md DESTINATION ${OUT}/x_ite)
file(COPY ${XITE}/assets DESTINATION ${OUT}/x_ite
  PATTERN components EXCLUDE)
file(COPY ${XITE}/assets/components/ DESTINATION ${OUT}/x_ite/assets/components
  FILES_MATCHING PATTERN "*.min.js")
