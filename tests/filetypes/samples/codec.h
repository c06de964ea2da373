// A C++ header named .h: the C header type lists it.
#ifndef CODEC_H
#define CODEC_H

#include <string>

#define CODEC_CHECK(x) do { if (!(x)) throw Error(#x); } while (0)

namespace codec {

class CODEC_API Decoder
{
public:
    Decoder();
    explicit Decoder(const std::string& name);
    ~Decoder();

    std::string name() const;
    void reset();
    bool feed(const char* data, int size);
    static Decoder* create(const std::string& name);
    bool operator==(const Decoder& other) const;
    Decoder& operator=(Decoder&&) = default;
    char operator[](int index) const;

private:
    void flush();
    std::string name_;
};

inline void Decoder::reset()
{
    flush();
}

}  // namespace codec

#endif
