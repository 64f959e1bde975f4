// Found before Qt's own header only by the logic libraries and their tests.
#error "Logic libraries must not include widget headers: move this code into a windows library."
