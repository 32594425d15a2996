// The scenes' tables, each defined in the file of its part of the world
// (village, court and prison, forest) and gathered in descriptions.cpp.
#pragma once

#include "scenes/description_table.h"

namespace kvarnel::scenes {

extern const SceneDescriptions kUdedkaDescriptions;
extern const SceneDescriptions kNatrzistiDescriptions;
extern const SceneDescriptions kPredhospodouDescriptions;
extern const SceneDescriptions kVhospodeDescriptions;
extern const SceneDescriptions kPredradniciDescriptions;
extern const SceneDescriptions kRadniceDescriptions;
extern const SceneDescriptions kPredsoudemDescriptions;
extern const SceneDescriptions kPredvezniciDescriptions;
extern const SceneDescriptions kVevezniciDescriptions;
extern const SceneDescriptions kUzlocinkyneDescriptions;
extern const SceneDescriptions kLes1Descriptions;
extern const SceneDescriptions kLes2Descriptions;
extern const SceneDescriptions kLes3Descriptions;
extern const SceneDescriptions kLes4Descriptions;
extern const SceneDescriptions kLes5Descriptions;
extern const SceneDescriptions kLes6Descriptions;

}  // namespace kvarnel::scenes
