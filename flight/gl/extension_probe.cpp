#include "flight/gl/extension_probe.h"

#include <algorithm>

namespace altostrat {

bool HasExtension(const std::string& list, const std::string& name) {
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find('\n', start);
        if (end == std::string::npos) {
            end = list.size();
        }
        if (end > start && list.compare(start, end - start, name) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool ProbeMultitextureIn(const char* extensions, const GetProcAddressFunction& getProcAddress,
                         MultitextureState& state) {
    state = MultitextureState{};
    // The implementation separates the names by blanks; the list compared is a copy with line
    // feeds instead.
    std::string list = extensions != nullptr ? extensions : "";
    std::replace(list.begin(), list.end(), ' ', '\n');
    if (!HasExtension(list, "GL_ARB_multitexture") || !getProcAddress) {
        return false;
    }
    void* const activeTexture = getProcAddress("glActiveTextureARB");
    void* const multiTexCoord = getProcAddress("glMultiTexCoord2fARB");
    if (activeTexture == nullptr || multiTexCoord == nullptr) {
        return false;
    }
    state.glActiveTextureARB = reinterpret_cast<ActiveTextureArbProc>(activeTexture);
    state.glMultiTexCoord2fARB = reinterpret_cast<MultiTexCoord2fArbProc>(multiTexCoord);
    state.multitextureAvailable = true;
    return true;
}

bool ProbeMultitexture(const GetProcAddressFunction& getProcAddress, MultitextureState& state) {
    const GLubyte* extensions = glGetString(GL_EXTENSIONS);
    return ProbeMultitextureIn(reinterpret_cast<const char*>(extensions), getProcAddress, state);
}

}  // namespace altostrat
