# Debian's hardening flags for every build that may be installed.
# SPDX-License-Identifier: MIT
#
# The flags are those of Debian 12's `DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags`
# (dpkg 1.21), written out here so that a build needs no dpkg-dev:
#   CPPFLAGS  -Wdate-time -D_FORTIFY_SOURCE=2
#   CXXFLAGS  -fstack-protector-strong -Wformat -Werror=format-security
#   LDFLAGS   -Wl,-z,relro -Wl,-z,now
# That is fortified functions, a stack protector, full RELRO with bind-now, and PIE, which needs no
# flag: Debian's gcc makes position-independent executables by default, and Qt's targets add -fPIC
# to the code that links them. The optimisation and debug flags come from the build type as usual.
#
# Not included in the sanitizer and fuzz builds (see the top CMakeLists.txt): their instrumentation
# does the checking there, and they are never installed.

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
# glibc checks the fortified functions' buffer sizes only in optimised code and warns, an error
# here, when _FORTIFY_SOURCE meets -O0; so a Debug build goes without. The -U first: a compiler or
# CXXFLAGS that defines it already would otherwise make a redefinition warning of it.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
# Relocations read-only after start-up, and every symbol bound at start-up so that the whole
# relocation table can be made read-only.
add_link_options(LINKER:-z,relro LINKER:-z,now)
