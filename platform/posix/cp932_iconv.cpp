// CP932 through glibc's iconv.
#include "platform/cp932_codec.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One converter each way for the life of the process.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of in as it can onto out; returns how many bytes it took.
    std::size_t Convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char chunk[4096];
        while (srcLeft > 0) {
            char* dst = chunk;
            std::size_t dstLeft = sizeof chunk;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(chunk, dst);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        return in.size() - srcLeft;
    }

private:
    iconv_t cd_;
};

Converter& Decoder() {
    static Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& Encoder() {
    static Converter converter("CP932", "UTF-8");
    return converter;
}

}  // namespace

std::size_t DecodeCp932Run(std::string_view cp932, std::string& utf8) {
    return Decoder().Convert(cp932, utf8);
}

std::size_t EncodeCp932Run(std::string_view utf8, std::string& cp932) {
    return Encoder().Convert(utf8, cp932);
}
