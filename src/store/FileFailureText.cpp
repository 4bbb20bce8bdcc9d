#include "FileFailureText.h"

#include "DataSetFile.h"
#include "TextCodec.h"

#include <cerrno>
#include <cstring>

namespace {

std::u16string number(long long value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string errorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return u"la dosiero aŭ ĝia dosierujo ne ekzistas";
    case EACCES:
        return u"mankas la necesa rajto";
    case EPERM:
        return u"la operacio ne estas permesata";
    case ENOSPC:
        return u"la disko estas plena";
    case EDQUOT:
        return u"la diskokvoto estas atingita";
    case EROFS:
        return u"la dosiersistemo estas nur legebla";
    case EISDIR:
        return u"ĝi estas dosierujo";
    case ENOTDIR:
        return u"parto de la vojo ne estas dosierujo";
    case ENAMETOOLONG:
        return u"la nomo estas tro longa";
    case ELOOP:
        return u"tro da sinsekvaj ligiloj";
    case EIO:
        return u"eraro de la aparato (enigo/eligo)";
    case ENOMEM:
        return u"mankas memoro";
    case EXDEV:
        return u"la celo estas sur alia dosiersistemo";
    case EBUSY:
    case ETXTBSY:
        return u"la dosiero estas okupata";
    default:
        break;
    }
    std::u16string text;
    appendUtf8Replacing(text, std::strerror(errorNumber));
    return text;
}

} // namespace

std::u16string failureReason(const FileResult& result)
{
    using Problem = FileResult::Problem;
    switch (result.problem) {
    case Problem::None:
        return {};
    case Problem::NotRegularFile:
        switch (result.kind) {
        case FileKind::Folder:
            return u"ĝi estas dosierujo, ne dosiero";
        case FileKind::Device:
            return u"ĝi estas aparato, ne dosiero";
        case FileKind::Fifo:
            return u"ĝi estas dukto (FIFO), ne dosiero";
        default:
            return u"ĝi ne estas ordinara dosiero";
        }
    case Problem::OutOfMemory:
        return u"mankas memoro por legi ĝin";
    case Problem::NotWritable:
        if (result.ownedByOther) {
            std::u16string text = u"ĝi apartenas al la uzanto ";
            appendUtf8Replacing(text, result.ownerName);
            return text;
        }
        return u"ĝi estas nur legebla";
    case Problem::LinkTargetFolderMissing:
        return u"la dosierujo, al kiu la ligilo montras, ne plu ekzistas";
    case Problem::AttributesNotKept:
        return u"ne eblis doni al la nova dosiero la posedanton kaj la rajtojn de la malnova (" +
               errorText(result.errorNumber) + u"), do la malnova restas senŝanĝa";
    case Problem::FolderNotSynced:
        return u"la nova enhavo estas en la dosiero, sed ĝia dosierujo ne povis esti sinkronigita al la "
               u"disko (" +
               errorText(result.errorNumber) + u") : post kraŝo de la sistemo la malnova enhavo povus reveni";
    case Problem::CannotOpen:
        if (result.errorNumber == ENOENT && result.reason.find("link") != std::string::npos)
            return u"la ligilo montras al dosiero, kiu ne ekzistas";
        [[fallthrough]];
    case Problem::CannotRead:
    case Problem::CannotWrite:
        break;
    }
    if (result.errorNumber != 0)
        return errorText(result.errorNumber);
    std::u16string text;
    appendUtf8Replacing(text, result.reason);
    return text;
}

std::u16string anomalyText(const ReadAnomalies& anomalies)
{
    std::u16string text;
    const auto add = [&text](std::u16string_view sentence) {
        if (!text.empty())
            text += u'\n';
        text += sentence;
    };
    if (anomalies.noEntryFromEntryLines)
        add(u"La dosiero enhavas liniojn kun vortoj, sed neniu vorto estis legita.");
    if (anomalies.missingEntryLines > 0)
        add(u"Mankas " + number(anomalies.missingEntryLines) +
            u" el la linioj, kiujn la unua linio anoncas.");
    if (anomalies.endsInsideLine)
        add(u"La dosiero finiĝas meze de linio: ĝi eble estas distranĉita.");
    if (anomalies.replacedBytes > 0)
        add(u"Nevalidaj bajtoj anstataŭigitaj per «\uFFFD»: " +
            number(static_cast<long long>(anomalies.replacedBytes)) + u".");
    return text;
}
