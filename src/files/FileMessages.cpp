#include "files/FileProblem.h"

namespace zoriduvo {

namespace {
constexpr const char* kOpenTitle = "ファイルを開く";
constexpr const char* kSaveTitle = "ファイルの保存";

std::string Place(const FileProblem& p) {
    std::string place;
    if (p.line > 0) place += std::to_string(p.line) + " 行目";
    if (p.field > 0) place += "の " + std::to_string(p.field) + " 番目の項目";
    return place;
}
}  // namespace

Message FileMessageFor(const FileProblem& p) {
    switch (p.code) {
    case FileError::NotVoData:
        return {"vo形式のデータではありません。", "", MessageIcon::Exclamation};
    case FileError::FileMissing:
        return {"ファイルが存在しません", kOpenTitle, MessageIcon::Exclamation};
    case FileError::AlreadyOpen:
        return {"このファイルはすでに開かれています。", kOpenTitle, MessageIcon::Exclamation};
    case FileError::UnreadableText:
        return {"ファイルの " + Place(p) + "に読み取れない文字があります。\nファイルは開かれませんでした。",
                kOpenTitle, MessageIcon::Exclamation};
    case FileError::CountOutOfRange:
        return {"ファイルの内容が正しくありません。\n" + Place(p) + "（" + p.where + "）の値 " + p.detail +
                    " は範囲外です。\nファイルは開かれませんでした。",
                kOpenTitle, MessageIcon::Exclamation};
    case FileError::TooLarge:
        return {p.where + "が 32767 を超えるため、このファイルは開けません。", kOpenTitle, MessageIcon::Exclamation};
    case FileError::UnwritableCharacter:
        return {"保存できない文字「" + p.detail + "」が" + p.where +
                    "にあります。\nこの文字を別の文字に直してから保存してください。\nファイルは保存されていません。",
                kSaveTitle, MessageIcon::Exclamation};
    case FileError::CannotWrite:
        return {"ファイル「" + p.where + "」を保存できませんでした。\n" + p.detail, kSaveTitle,
                MessageIcon::Exclamation};
    case FileError::Count: break;
    }
    return {"ファイルの処理に失敗しました。", "", MessageIcon::Exclamation};
}

void ShowFileProblem(Ui& ui, const FileProblem& problem) {
    ui.show(FileMessageFor(problem));
}

}  // namespace zoriduvo
