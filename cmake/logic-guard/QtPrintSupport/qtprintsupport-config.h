// Found before Qt's own header only by the logic libraries and their tests.
#error "Logic libraries must not include widget headers: print through the canvas and the printing device."
