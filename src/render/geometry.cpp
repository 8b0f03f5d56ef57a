#include "render/geometry.h"

namespace dorv {

std::array<RoleLine, 6> LozengeLines(PointF pivot, PointF tip, PointF side, PointF otherSide, PointF hub) {
    return {{
        {tip, side, LineRole::Outline},
        {tip, otherSide, LineRole::Outline},
        {pivot, tip, LineRole::CentreLine},
        {hub, side, LineRole::HubOutline},
        {hub, otherSide, LineRole::HubOutline},
        {pivot, hub, LineRole::HubCentre},
    }};
}

}  // namespace dorv
