#include "screens/table_game.h"

namespace kvarnel::screens {

void tableFrameStep(scenes::Context&) {}
void tableClockStep(scenes::Context&) {}
void bindTableGameHandlers(scenes::Context&, layout::HandlerRegistry&) {}

}  // namespace kvarnel::screens
