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

// The field of a start file as the setup window holds it after loading (comments through
// BarsToLineBreaks).
PickField PickFieldFromStartLines(const StartLinesArray& lines);

// Called now and then while building: bytes done of total.
using BuildProgress = std::function<void(std::size_t done, std::size_t total)>;

// Deletes QUILLON.EXE, then writes it from QUILLON.OBJ in model.AppFolder with the field in
// its two areas. True when QUILLON.EXE was written (also as a plain copy when the markers are
// not found). False, after its own message through dialogs, when QUILLON.OBJ is missing, the
// field does not fit its area, or the file cannot be written (no partial QUILLON.EXE is left).
bool BuildPickProgram(const modBrackwell& model, const PickField& field, Dialogs& dialogs,
                      const BuildProgress& progress = {});

}  // namespace brackwell
