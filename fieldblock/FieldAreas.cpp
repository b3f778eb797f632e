#include "fieldblock/FieldAreas.h"

namespace brackwell::fieldblock {

namespace {
consteval FieldAreas TemplateAreas() {
    FieldAreas areas{};
    FillTemplateArea(areas.teams, TeamsMarker());
    FillTemplateArea(areas.others, OthersMarker());
    return areas;
}
}  // namespace

constinit FieldAreas gFieldBlock = TemplateAreas();

}  // namespace brackwell::fieldblock
