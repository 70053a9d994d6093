// Feeds arbitrary bytes to the RTF reader and checks what it promises about its output.
#include "model/RtfReader.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isWellFormedUtf16(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                return false;
            ++i;
        } else if (ch.isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<RtfDocument> document = RtfReader::read(bytes);
    if (!document)
        return 0;

    qsizetype runText = 0;
    qsizetype runs = 0;
    for (const RtfParagraph& paragraph : document->paragraphs) {
        for (const RtfRun& run : paragraph.runs) {
            check(!run.text.isEmpty());
            check(run.fontSize > 0 && run.fontSize <= 1638);
            runText += run.text.size();
            ++runs;
        }
    }
    const QString& plain = document->plainText;
    // Every unit of output is paid for by input; paragraph ends are the only text not in a run.
    check(plain.size() <= 2 * qsizetype(size));
    check(runText <= plain.size());
    check(plain.size() - runText <= document->paragraphs.size());
    check(isWellFormedUtf16(plain));
    check(document->paragraphs.size() <= RtfReader::maxParagraphs + 1);
    check(runs <= RtfReader::maxRuns + RtfReader::maxParagraphs + 1);
    check(document->colorTable.size() <= RtfReader::maxColors);
    return 0;
}
