# The native programs carry the hardening Debian builds its packages with, in every build type:
# a stack protector, relocations made read-only and bound at start, position-independent
# executables, and glibc's checked string and memory functions.
include(CheckPIESupported)
check_pie_supported(LANGUAGES C CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
target_compile_options(morvantis_flags INTERFACE -fstack-protector-strong -Wformat -Werror=format-security)
target_link_options(morvantis_flags INTERFACE -Wl,-z,relro -Wl,-z,now)
# glibc checks those functions only in optimised code (it warns about the definition without
# optimisation), and under the sanitizers AddressSanitizer checks the same accesses, and more:
# Debug and sanitized builds go without.
if(NOT MORVANTIS_SANITIZE)
  target_compile_definitions(morvantis_flags INTERFACE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
