#pragma once
// The demo data set: a complete pool of the 2000 tournament (start field, results, roster, pick
// program and four sample selections) unpacked from "DEMOSET.ZIP" into the application folder,
// and the reset that takes those files away again.

#include <array>

#include "core/Dialogs.h"
#include "core/Model.h"
#include "core/ZipExtractor.h"

namespace brackwell {

inline constexpr const char* kDemoArchiveName = "DEMOSET.ZIP";

// The sample participants' selection files shipped in the archive.
inline constexpr std::array<const char*, 4> kDemoSelectionFiles = {
    "Hollis_RT.BKS", "Delgado_MV.BKS", "Brennan_KJ.BKS", "Whitfield_AL.BKS"};

// Deletes the demo files that are present (any case of their names), the settings file first;
// nothing else, so a user's own selection files stay.
void DemoReset(const modBrackwell& model);

// Resets, then unpacks the archive; a missing archive is reported and leaves the folder
// without the demo files.
void DemoSet(const modBrackwell& model, Dialogs& dialogs);

// DEMO-Start of the bracket and setup windows: asks whether to enter demo mode and on OK runs
// DemoSet. True when it ran.
bool StartDemoMode(const modBrackwell& model, Dialogs& dialogs);

// Unpacks the archive into the application folder; a failure shows its result number.
UnzipResult UnpackDemoSet(const modBrackwell& model, Dialogs& dialogs);

}  // namespace brackwell
