# `cmake --install` puts the engine's libraries, headers (in their subsystem
# folders under include/kavor), the built-in shaders and the default font,
# and a package configuration: a game's own CMake project then says
#   find_package(Kavor REQUIRED)
#   target_link_libraries(game PRIVATE Kavor::engine)
include(CMakePackageConfigHelpers)
set(KAVOR_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Kavor)
install(EXPORT KavorTargets NAMESPACE Kavor:: DESTINATION ${KAVOR_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KavorConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/KavorConfig.cmake INSTALL_DESTINATION ${KAVOR_CMAKE_DIR}
                              PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KavorConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/KavorConfig.cmake ${PROJECT_BINARY_DIR}/KavorConfigVersion.cmake
        DESTINATION ${KAVOR_CMAKE_DIR})
# What every game needs in its working directory: the engine loads shaders/
# and Data/Font/font.tga relative to it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/shaders DESTINATION ${CMAKE_INSTALL_DATADIR}/kavor)
install(FILES ${PROJECT_SOURCE_DIR}/Data/Font/font.tga DESTINATION ${CMAKE_INSTALL_DATADIR}/kavor/Data/Font)
