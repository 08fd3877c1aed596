# Address and undefined-behaviour sanitizers for the whole build; any report ends the process.
# SPDX-License-Identifier: MIT
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
