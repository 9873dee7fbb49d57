# Imported targets for the libraries the project uses, named deps::*, from
# Debian's packages on Linux and from scripts/deps.sh's build for Windows.

add_library(deps_fmt INTERFACE)
add_library(deps::fmt ALIAS deps_fmt)
# Header-only on both platforms: no fmt library is built for Windows.
target_compile_definitions(deps_fmt INTERFACE FMT_HEADER_ONLY)

if(WIN32)
  set(_mingw ${NOTAVION_DEPS_DIR}/mingw)
  if(NOT EXISTS ${_mingw}/lib/libgtest.a)
    message(FATAL_ERROR "Windows libraries missing in ${_mingw}: run scripts/deps.sh")
  endif()
  target_include_directories(deps_fmt SYSTEM INTERFACE ${_mingw}/include)

  function(_deps_static name library)
    add_library(deps_${name} STATIC IMPORTED GLOBAL)
    set_target_properties(deps_${name} PROPERTIES
      IMPORTED_LOCATION ${library}
      INTERFACE_INCLUDE_DIRECTORIES ${_mingw}/include
      INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${_mingw}/include)
    add_library(deps::${name} ALIAS deps_${name})
  endfunction()
  _deps_static(zlib /usr/i686-w64-mingw32/lib/libz.a)
  _deps_static(curl ${_mingw}/lib/libcurl.a)
  set_property(TARGET deps_curl APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB)
  set_property(TARGET deps_curl APPEND PROPERTY INTERFACE_LINK_LIBRARIES
    deps::zlib ws2_32 wldap32 crypt32 secur32 bcrypt advapi32 normaliz)
  _deps_static(jsoncpp ${_mingw}/lib/libjsoncpp.a)
  _deps_static(pugixml ${_mingw}/lib/libpugixml.a)
  _deps_static(gtest ${_mingw}/lib/libgtest.a)
  _deps_static(gmock ${_mingw}/lib/libgmock.a)
  set_property(TARGET deps_gmock APPEND PROPERTY INTERFACE_LINK_LIBRARIES deps::gtest)
else()
  find_package(Threads REQUIRED)
  find_package(GTest REQUIRED)
  find_package(CURL REQUIRED)
  find_package(ZLIB REQUIRED)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(JSONCPP REQUIRED IMPORTED_TARGET jsoncpp)
  pkg_check_modules(PUGIXML REQUIRED IMPORTED_TARGET pugixml)
  add_library(deps::gtest ALIAS GTest::gtest)
  add_library(deps::gmock ALIAS GTest::gmock)
  add_library(deps::curl ALIAS CURL::libcurl)
  add_library(deps::zlib ALIAS ZLIB::ZLIB)
  add_library(deps::jsoncpp ALIAS PkgConfig::JSONCPP)
  add_library(deps::pugixml ALIAS PkgConfig::PUGIXML)
  find_package(benchmark QUIET)
endif()

# The LZMA SDK's C files (7z reader, MD5), as scripts/deps.sh copied them
# from Debian's 7zip source package; compiled here for either platform.
file(GLOB _lzma_sources ${NOTAVION_DEPS_DIR}/lzma/*.c)
if(NOT _lzma_sources)
  message(FATAL_ERROR "LZMA SDK sources missing in ${NOTAVION_DEPS_DIR}/lzma: run scripts/deps.sh")
endif()
add_library(deps_lzma STATIC ${_lzma_sources})
target_include_directories(deps_lzma SYSTEM PUBLIC ${NOTAVION_DEPS_DIR}/lzma)
# Their code, their warnings.
target_compile_options(deps_lzma PRIVATE -w)
if(NOT WIN32)
  target_link_libraries(deps_lzma PRIVATE Threads::Threads)
endif()
add_library(deps::lzma ALIAS deps_lzma)
