#include "Navnetekst.h"

#include <gtest/gtest.h>

namespace {

struct Navn
{
    const char* hvad;
    std::string bytes;
    std::u16string tekst;
};

void PrintTo(const Navn& n, std::ostream* os)
{
    *os << n.hvad;
}

class Navnetekst_ : public ::testing::TestWithParam<Navn>
{
};

TEST_P(Navnetekst_, BytesBecomeTextAndTheSameBytesAgain)
{
    const Navn& n = GetParam();
    EXPECT_EQ(Navnetekst::tilTekst(n.bytes), n.tekst);
    EXPECT_EQ(Navnetekst::tilBytes(n.tekst), n.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Navne, Navnetekst_,
    ::testing::Values(Navn{"ascii", "brev.txt", u"brev.txt"},
                      Navn{"danish", "d\xc3\xb8r", u"d\u00f8r"},
                      Navn{"outside the plane", "\xf0\x9f\x98\x80", u"\U0001F600"},
                      Navn{"latin-1 byte", "d\xf8r", u"d\xdcf8r"},
                      Navn{"real replacement character", "a\xef\xbf\xbd.txt", u"a\ufffd.txt"},
                      Navn{"stray continuation", "\x80", u"\xdc80"},
                      Navn{"overlong slash", "\xc0\xaf", u"\xdcc0\xdcaf"},
                      Navn{"encoded surrogate", "\xed\xa0\x80", u"\xdced\xdca0\xdc80"},
                      Navn{"cut off at the end", "a\xe2\x82", u"a\xdce2\xdc82"},
                      Navn{"past the last code point", "\xf4\x90\x80\x80",
                           u"\xdcf4\xdc90\xdc80\xdc80"},
                      // A character whose low half looks like an escaped byte, then a real one.
                      Navn{"low half beside a byte", "\xf0\x90\x82\x80\x80", u"\U00010080\xdc80"}),
    [](const ::testing::TestParamInfo<Navn>& i) {
        std::string navn = i.param.hvad;
        for (char& c : navn)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return navn;
    });

TEST(Navnetekst, EveryByteStringGoesBackUnchanged)
{
    std::string alle;
    for (int a = 0; a < 256; ++a)
        for (int b : {0x41, 0x80, 0xbf, 0xc3, 0xe2, 0xf0, 0xff})
            alle += {static_cast<char>(a), static_cast<char>(b)};
    EXPECT_EQ(Navnetekst::tilBytes(Navnetekst::tilTekst(alle)), alle);
}

} // namespace
