# cmake -DINPUT=FILE -DOUTPUT=FILE.cpp -DNAME=Symbol -DHEADER=x.h -P embed-text.cmake
# Writes FILE's bytes as a C++ array NAME and its size NAME##Size.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(([^,]*,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT} "#include \"${HEADER}\"\n\nconst char ${NAME}[] = {\n    ${bytes}0};\nconst size_t ${NAME}Size = ${size};\n")
