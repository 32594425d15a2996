#include "screens/cave.h"

namespace kvarnel::screens {

void caveEscapeStep(scenes::Context&) {}
void caveFrameStep(scenes::Context&) {}
void bindCaveHandlers(scenes::Context&, layout::HandlerRegistry&) {}

}  // namespace kvarnel::screens
