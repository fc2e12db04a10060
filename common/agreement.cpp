#include "common/agreement.h"

namespace altostrat {

std::string CapturePictureName(CapturePicture picture) {
    return "Altostrat" + std::to_string(static_cast<int>(picture)) + ".bmp";
}

}  // namespace altostrat
