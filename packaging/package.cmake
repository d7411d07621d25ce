# The Debian package of Lorvane, made by CPack from the install rules: `cpack --preset package`
# after building the `package` preset, or scripts/package.sh.
set(LORVANE_MAINTAINER "Lorvane maintainers <maintainers@lorvane.invalid>"
    CACHE STRING "The package's maintainer, as \"Name <address>\"")

set(CPACK_PACKAGE_NAME "lorvane")
set(CPACK_PACKAGE_VENDOR "Lorvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "acoustics and flow calculator for ventilation components")
set(CPACK_PACKAGE_DESCRIPTION
    "Lorvane gives HVAC planners the flow and sound data of volume flow controllers, \
multi-leaf dampers, external weather louvres and circular sound attenuators at an operating \
point: flow range, velocity, pressure, sound power in the octave bands 63 Hz to 8 kHz, casing \
noise, torque, leakage and insertion loss.

The package holds the desktop program lorvane and the command-line tool lorvane-calc, which \
runs the same calculations for scripts, as text or JSON.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/resources/copyright)
set(CPACK_PACKAGE_CONTACT ${LORVANE_MAINTAINER})
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # lorvane_1.3_amd64.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LORVANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries the programs are linked against, as dpkg-shlibdeps finds them in the binaries;
# Qt's platform plugins are loaded at run time, so no binary names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

include(CPack)
