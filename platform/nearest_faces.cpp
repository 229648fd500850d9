#include "platform/nearest_faces.h"

#include <string_view>

namespace {

// The templates' faces and, behind each, the Japanese faces of the same kind that free
// systems (and wine) have: proportional first, then fixed width.
struct FaceChoice {
    const char* templateFace;
    const char* nearest;
};
constexpr FaceChoice kFaces[] = {
    {"ＭＳ Ｐ明朝", "IPAPMincho,IPAMincho,Noto Serif CJK JP"},
    {"ＭＳ Ｐゴシック", "IPAPGothic,IPAGothic,Noto Sans CJK JP"},
};

}  // namespace

const char* NearestFaces(const char* templateFace) {
    for (const FaceChoice& choice : kFaces)
        if (std::string_view(choice.templateFace) == templateFace) return choice.nearest;
    return "";
}
