#include "files/print/PrintMessages.h"

namespace zoriduvo {

namespace {
constexpr const char* kPrintTitle = "印刷";
constexpr const char* kPdfTitle = "PDF に保存";
using Code = PrintMessage;

constexpr MessageRow<PrintMessage> kMessages[] = {
    {Code::Start, "印刷を開始します。よろしいですか？", kPrintTitle, MessageIcon::Question},
    {Code::Failed, "印刷できませんでした。", kPrintTitle, MessageIcon::Exclamation},
    {Code::NoPrinter, "使用できるプリンタがありません。\nPDF に保存しますか？", kPrintTitle, MessageIcon::Question},
    {Code::PdfTitle, kPdfTitle, "", MessageIcon::None},
    {Code::PdfFilter, "PDF ﾌｧｲﾙ(*.pdf)|*.pdf|", "", MessageIcon::None},
    {Code::StartPages, "印刷を開始します。%1 ページになります。よろしいですか？", kPrintTitle, MessageIcon::Question},
    {Code::SavePdfPages, "PDF に保存します。%1 ページになります。よろしいですか？", kPdfTitle, MessageIcon::Question},
    {Code::PdfProgress, "PDF に保存しています...", kPdfTitle, MessageIcon::None},
    {Code::Cancel, "ｷｬﾝｾﾙ", "", MessageIcon::None},
};
static_assert(CoversEveryCode(kMessages));
}  // namespace

Message MessageOf(PrintMessage code) { return RowOf(kMessages, code).message(); }

}  // namespace zoriduvo
