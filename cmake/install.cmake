# cmake --install: the libraries, one include tree (tesk and the broker's C header), the
# library's installation tree (KSODEBUG_INSTALL: catalogues, format definitions, splash) under
# share/tesk, and the pkg-config file and CMake package a host builds with.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set_target_properties(tesk mosk glyphon PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS tesk mosk glyphon LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/tesk DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h")
install(FILES ${TESK_MENU_IDS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tesk)
install(FILES ${PROJECT_SOURCE_DIR}/ext/mosk/include/mosk/mosk.h
              ${PROJECT_SOURCE_DIR}/ext/mosk/include/mosk/mosk.hpp
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/mosk)
install(DIRECTORY ${TESK_STAGE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tesk)

file(RELATIVE_PATH TESK_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" TESK_PC_TO_PREFIX "${TESK_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/tesk.pc.in ${CMAKE_BINARY_DIR}/tesk.pc @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tesk-broker.pc.in ${CMAKE_BINARY_DIR}/tesk-broker.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/tesk.pc ${CMAKE_BINARY_DIR}/tesk-broker.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(TESK_CONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tesk)
file(RELATIVE_PATH TESK_CONFIG_TO_PREFIX /${TESK_CONFIG_DIR} /)
configure_file(${CMAKE_CURRENT_LIST_DIR}/teskConfig.cmake.in ${CMAKE_BINARY_DIR}/teskConfig.cmake
    @ONLY)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/teskConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/teskConfig.cmake ${CMAKE_BINARY_DIR}/teskConfigVersion.cmake
    DESTINATION ${TESK_CONFIG_DIR})

# The header's version is the project's.
file(STRINGS ${PROJECT_SOURCE_DIR}/include/tesk/tesk.h TESK_HEADER_VERSION
    REGEX "^#define TESK_VERSION_STRING ")
if(NOT TESK_HEADER_VERSION MATCHES "\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "tesk.h says ${TESK_HEADER_VERSION}, the project ${PROJECT_VERSION}")
endif()
