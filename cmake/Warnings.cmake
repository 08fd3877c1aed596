# Warnings are errors for all of the project's own targets.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
