// The faces of each location: which animations an exit starts and stops,
// and which of the detective's sprites a description line switches.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "scenes/description_table.h"

namespace kvarnel::scenes {

// Animations an exit starts when it enters the scene and stops when it
// leaves it: the faces of both speakers, their talking variants and the
// description animation included, so whichever variant shows next is already
// moving. The bird, the Bush Man and the daughter are run elsewhere.
inline constexpr std::string_view kUdedkaFaces[] = {"RxGIFAnimator1", "RxGIFAnimator2", "RxGIFAnimator3",
                                                    "RxGIFAnimator4", "RxGIFAnimator5", "RxGIFAnimator6",
                                                    "RxGIFAnimator7"};
inline constexpr std::string_view kNatrzistiFaces[] = {
    "Zocibojovnika", "zocibojovnikamluva", "Zpusabojovnika", "Zpusabojovnikamluva", "Ztmluvavpravo", "Ztoci",
    "Ztpopis",       "Ztpusavpravo"};
inline constexpr std::string_view kPredhospodouFaces[] = {"Phoci", "Phpopis", "Phpusa"};
inline constexpr std::string_view kVhospodeFaces[] = {"hhmluva", "Hhoboci", "Hhoci", "hhocimluva", "Hhpusa",
                                                      "Hoci",    "Hpopis",  "Hpusa", "hpusamluva"};
inline constexpr std::string_view kPredradniciFaces[] = {"PrOci", "PrPopis", "PrPusa"};
inline constexpr std::string_view kRadniceFaces[] = {
    "Rmluva", "Roci", "Rpopis", "Rpusa", "Starostaoci", "Starostaocimluva", "Starostapusa", "Starostapusamluva"};
inline constexpr std::string_view kPredsoudemFaces[] = {"PsOci", "PsPopis", "PsPusa"};
inline constexpr std::string_view kPredvezniciFaces[] = {"PvMluva", "Pvoci", "PvPopis", "Pvpusa"};
inline constexpr std::string_view kVevezniciFaces[] = {"Serifmluva", "Serifoci", "Serifocimluva", "Serifpusa",
                                                       "Vvmluva",    "Vvoci",    "Vvpopis",       "Vvpusa"};
inline constexpr std::string_view kUzlocinkyneFaces[] = {"UzOci", "UzPopis", "Uzpusa"};
inline constexpr std::string_view kLes1Faces[] = {"Drujdoci", "Drujdocimluva", "Drujdpusa", "Drujdpusamluva", "L1mluva",
                                                  "L1oci",    "L1ocimluva",    "L1popis",   "L1pusa"};
inline constexpr std::string_view kLes2Faces[] = {"L2oci", "L2Popis", "L2Pusa"};
inline constexpr std::string_view kLes3Faces[] = {"L3oci", "L3Popis", "L3pusa"};
inline constexpr std::string_view kLes4Faces[] = {"L4Oci", "L4Popis", "L4Pusa"};
inline constexpr std::string_view kLes5Faces[] = {"hranicarmluva", "hranicaroci", "hranicarocimluva", "hranicarpusa",
                                                  "L5mluva",       "L5oci",       "L5Popis",          "L5pusa"};
inline constexpr std::string_view kLes6Faces[] = {"L6oci", "L6Popis", "L6pusa"};

// In Scene order.
inline constexpr std::array<std::span<const std::string_view>, static_cast<size_t>(Scene::Count)> kSceneFaces = {
    kUdedkaFaces,     kNatrzistiFaces,   kPredhospodouFaces, kVhospodeFaces,    kPredradniciFaces, kRadniceFaces,
    kPredsoudemFaces, kPredvezniciFaces, kVevezniciFaces,    kUzlocinkyneFaces, kLes1Faces,        kLes2Faces,
    kLes3Faces,       kLes4Faces,        kLes5Faces,         kLes6Faces};

// The detective's portrait in one scene. A description line hides the head,
// eyes and mouth (and where `hidesTalkingMouth` / `hidesEyesInTalk` say so,
// those too) and shows the description animation; its end reverses that.
struct DetectiveSprites {
    Scene scene;
    std::string_view head, eyes, eyesInTalk, mouth, talkingMouth, description;
    bool hidesTalkingMouth = false;
    bool hidesEyesInTalk = false;
};

// In the order the game tests the scenes (which decides what happens in
// the unlikely case that two scenes are shown at once).
inline constexpr DetectiveSprites kDetectiveSprites[] = {
    {Scene::Udedka, "image2", "RxGIFAnimator1", "", "RxGIFAnimator3", "RxGIFAnimator6", "RxGIFAnimator5"},
    {Scene::Natrzisti, "zthlava", "Ztoci", "", "Ztpusavpravo", "Ztmluvavpravo", "Ztpopis", true},
    {Scene::Predhospodou, "Phhlava", "Phoci", "", "Phpusa", "", "Phpopis"},
    {Scene::Vhospode, "Hhlava", "Hoci", "", "Hpusa", "hpusamluva", "Hpopis"},
    {Scene::Predradnici, "PrHlava", "PrOci", "", "PrPusa", "", "PrPopis"},
    {Scene::Predsoudem, "PsHlava", "PsOci", "", "PsPusa", "", "PsPopis"},
    {Scene::Predveznici, "PvHlava", "Pvoci", "", "Pvpusa", "PvMluva", "PvPopis"},
    {Scene::Veveznici, "Vvhlava", "Vvoci", "", "Vvpusa", "Vvmluva", "Vvpopis"},
    {Scene::Les1, "L1hlava", "L1oci", "L1ocimluva", "L1pusa", "L1mluva", "L1popis", true, true},
    {Scene::Les2, "L2hlava", "L2oci", "", "L2Pusa", "", "L2Popis"},
    {Scene::Les3, "L3hlava", "L3oci", "", "L3pusa", "", "L3Popis"},
    {Scene::Les4, "L4Hlava", "L4Oci", "", "L4Pusa", "", "L4Popis"},
    {Scene::Les5, "L5Hlava", "L5oci", "", "L5pusa", "L5mluva", "L5Popis"},
    {Scene::Les6, "L6Hlava", "L6oci", "", "L6pusa", "", "L6Popis"},
    {Scene::Uzlocinkyne, "Uzhlava", "UzOci", "", "Uzpusa", "", "UzPopis"},
    {Scene::Radnice, "Rhlava", "Roci", "", "Rpusa", "Rmluva", "Rpopis"},
};

// The music region of a scene: 2 the village, 3 the western forest, 4 the
// eastern forest (the track numbers of Skladba2 .. Skladba4).
inline constexpr int musicRegion(Scene s) {
    switch (s) {
        case Scene::Les1:
        case Scene::Les2:
        case Scene::Les3:
            return 3;
        case Scene::Les4:
        case Scene::Les5:
        case Scene::Les6:
            return 4;
        default:
            return 2;
    }
}

}  // namespace kvarnel::scenes
