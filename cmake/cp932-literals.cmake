# Narrow literals are CP932 bytes, as the program shows and writes its texts. The rule is
# set per target, for the program's and the tests' targets whole, so that no file with
# Japanese text can be left out; not for every target, as the standard library's <chrono>
# holds a literal that CP932 lacks.
function(velmor_cp932_literals target)
  target_compile_options(${target} PRIVATE
    "$<$<COMPILE_LANGUAGE:CXX>:-finput-charset=UTF-8;-fexec-charset=CP932>")
endfunction()
