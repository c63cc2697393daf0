# Compiler settings shared by every target of the project.
#
# The program is ANSI: every text is code page 936. Sources are UTF-8, so
# string literals are compiled to GBK bytes. Resource scripts get none of this.
set(_rollcall_definitions WINVER=0x0601 _WIN32_WINNT=0x0601 STRICT NOMINMAX)
if(MSVC)
  set(_rollcall_flags /W4 /source-charset:utf-8 /execution-charset:.936 /EHsc)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # Clang compiles string literals to UTF-8 only: its build checks that the
  # sources compile cleanly with a second compiler, but its program shows
  # UTF-8 bytes where code page 936 is expected, so it is no product.
  set(_rollcall_flags -Wall -Wextra)
else()
  set(_rollcall_flags -Wall -Wextra -finput-charset=UTF-8 -fexec-charset=GBK)
endif()

function(rollcall_target_options target)
  target_compile_features(${target} PUBLIC cxx_std_17)
  target_compile_definitions(${target} PUBLIC
    "$<$<COMPILE_LANGUAGE:C,CXX>:${_rollcall_definitions}>")
  target_compile_options(${target} PRIVATE
    "$<$<COMPILE_LANGUAGE:C,CXX>:${_rollcall_flags}>")
endfunction()

# Links an executable so it runs on a bare Windows without MinGW's DLLs.
function(rollcall_static_exe target)
  rollcall_target_options(${target})
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()
