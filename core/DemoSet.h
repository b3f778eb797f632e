#pragma once
// The demo data set: a complete pool of the 2000 tournament (start field, results, roster, pick
// program and four sample selections) unpacked from "DEMOSET.ZIP" into the application folder,
// and the reset that takes those files away again and brings back the organiser's own.

#include <array>

#include "core/Dialogs.h"
#include "core/Model.h"
#include "core/ZipExtractor.h"

namespace brackwell {

inline constexpr const char* kDemoArchiveName = "DEMOSET.ZIP";

// The sample participants' selection files shipped in the archive.
inline constexpr std::array<const char*, 4> kDemoSelectionFiles = {
    "Hollis_RT.BKS", "Delgado_MV.BKS", "Brennan_KJ.BKS", "Whitfield_AL.BKS"};

// Deletes the demo files that are present (any case of their names), the settings file first,
// then puts back the organiser's pool kept at the start (DemoKeptPool.h).
void DemoReset(const modBrackwell& model, Dialogs& dialogs);

// Keeps the organiser's pool aside, clears what is left of an earlier demo and unpacks the
// archive. A missing archive is reported and changes nothing; an unpacking that fails shows
// its result number and is undone by the reset, so the organiser's pool is back.
void DemoSet(const modBrackwell& model, Dialogs& dialogs);

// DEMO-Start of the bracket and setup windows: asks whether to enter demo mode and on OK runs
// DemoSet. True when it ran.
bool StartDemoMode(const modBrackwell& model, Dialogs& dialogs);

// Unpacks the archive into the application folder; a failure shows its result number.
UnzipResult UnpackDemoSet(const modBrackwell& model, Dialogs& dialogs);

}  // namespace brackwell
