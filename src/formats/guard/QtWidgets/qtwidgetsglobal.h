// Every header of Qt Widgets begins by including this one. The formats
// library finds this file in its place, so a format or pixel routine that
// includes a widget header, however it spells it, does not build.
#error "The formats library works without widgets: move this code to src/window/."
