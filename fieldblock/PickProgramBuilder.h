#pragma once
// Building the season's pick program QUILLON.EXE: the template QUILLON.OBJ copied byte for byte
// with the field written into its two areas.

#include <cstddef>
#include <functional>

#include "core/Dialogs.h"
#include "core/Model.h"
#include "fieldblock/PickField.h"

namespace brackwell {

inline constexpr const char* kPickTemplateName = "QUILLON.OBJ";
inline constexpr const char* kPickProgramName = "QUILLON.EXE";
// The pick form for browsers and the template it is built from. The template has a name of its
// own: the form is replaced by every build and deleted by a failed one and on demo reset, the
// template never.
inline constexpr const char* kPickFormName = "QUILLON.HTM";
inline constexpr const char* kPickFormTemplateName = "QUILLON-TEMPLATE.HTM";

// The field of a start file as the setup window holds it after loading (comments through
// BarsToLineBreaks).
PickField PickFieldFromStartLines(const StartLinesArray& lines);

// Called now and then while building: bytes done of total.
using BuildProgress = std::function<void(std::size_t done, std::size_t total)>;

// Writes QUILLON.EXE from QUILLON.OBJ in model.AppFolder with the field in its two areas, under a
// temporary name renamed over the old QUILLON.EXE when complete (temporaries of killed builds are
// removed first). True when QUILLON.EXE was written (also as a plain copy when the markers are
// not found). False, after its own message through dialogs, when QUILLON.OBJ is missing, the
// field does not fit its area, or the file cannot be written: the old QUILLON.EXE and the form
// QUILLON.HTM of the last build are deleted then, and no partial QUILLON.EXE is left.
bool BuildPickProgram(const modBrackwell& model, const PickField& field, Dialogs& dialogs,
                      const BuildProgress& progress = {});

// Writes QUILLON.HTM from QUILLON-TEMPLATE.HTM with the field in its two areas, byte for byte
// and replacing the old form as BuildPickProgram writes QUILLON.EXE. For after a successful
// BuildPickProgram: the program is there, so a missing template or a failed write is a warning
// through dialogs (false), not a reason to stop the setup; the old form is deleted then.
bool BuildPickForm(const modBrackwell& model, const PickField& field, Dialogs& dialogs);

}  // namespace brackwell
