# The Debian package: vitrine_<version>_amd64.deb, its library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vitrine)
set(CPACK_PACKAGE_VENDOR Vitrine)
set(CPACK_PACKAGE_CONTACT "Vitrine developers <vitrine@example.org>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skinnable viewer for DICOM and TIF images")
set(CPACK_PACKAGE_DESCRIPTION
    "Vitrine shows DICOM medical image files in a window whose whole look comes from a skin. It \
browses a file's information in three linked lists, pages through and plays multi-frame files, zooms, \
sets the window centre and width, and saves the shown image in sixteen picture formats. It reads \
every common transfer syntax, JPEG, JPEG-LS and JPEG 2000 included, and TIF images.\n\
The package also holds vitrine-export, which prints a file's information and saves its pages \
without a window, and vitrine-unzip, which lists and extracts zip archives as the viewer reads its \
skin packages.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not seen by dpkg-shlibdeps: the fonts the skins are drawn with, and Qt's extra picture readers,
# which the viewer uses for pictures that are neither DICOM nor TIF.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, qt6-image-formats-plugins")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
