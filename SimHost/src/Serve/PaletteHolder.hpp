// Which of the host page's tabs holds the palette: the add-on's page runs in that tab alone.
// A tab takes it (the first tab that opens, or one whose user moves it there) and gives it up
// when it goes away. Whenever the holder changes, a waiting point input is cancelled: the page
// that asked for it is gone, and the host's prompt must agree with the palette now shown.
#pragma once

#include "Routes.hpp"

namespace SimHost::Serve {

// GET /api/palette-holder: {"tab":S|null}. POST /api/palette-holder {"take":S} or {"release":S}:
// {"tab":S|null,"lines":[...]} with the lines the cancelled input caused.
void AddPaletteHolderRoutes (HttpServer& server, const RouteContext& context);

}   // namespace SimHost::Serve
