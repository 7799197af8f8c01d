#include "app/MenuTable.h"

namespace zoriduvo {

namespace {

constexpr MenuEntry kFrameMenus[] = {
    {0, "mnuFile", "ﾌｧｲﾙ(&F)", "", false},
    {1, "mnuFNew", "新規作成(&N)", "Ctrl+N", false},
    {1, "mnuFOpen", "開く(&O)", "Ctrl+O", false},
    {1, "mnuFImport", "Import(&I)", "", false},
    {1, "mnuFExit", "Zo rid Uvo の終了(&X)", "", false},
    {0, "mnuHelp", "ﾍﾙﾌﾟ(&H)", "", false},
    {1, "mnuHContents", "目次(&C)", "", false},
    {1, "mnuHIndex", "キーワードで検索(&S)...", "", false},
    {1, "mnuHAbout", "バージョン情報(&A)...", "", false},
};

constexpr MenuEntry kSheetMenus[] = {
    {0, "mnuFile", "ﾌｧｲﾙ(&F)", "", false},
    {1, "mnuFNew", "新規作成(&N)", "Ctrl+N", false},
    {1, "mnuFOpen", "開く(&O)...", "Ctrl+O", false},
    {1, "mnuFMerge", "結合(&M)", "", true},
    {2, "mnuFMergeCases", "ケースの結合(&C)...", "", false},
    {2, "mnuFMergeVariables", "変数の結合(&V)...", "", false},
    {1, "mnuFClose", "閉じる(&C)", "", true},
    {1, "mnuFSave", "保存(&S)", "Ctrl+S", true},
    {1, "mnuFSaveAs", "名前をつけて保存(&A)...", "Ctrl+A", true},
    {1, "mnuFImport", "Import(&I)...", "", false},
    {1, "mnuFExport", "Export(&E)...", "", true},
    {1, "mnuFPrint", "印刷(&P)...", "Ctrl+P", true},
    {1, "mnuFPrintPreview", "印刷プレビュー", "", true},
    {1, "mnuFPrintPdf", "PDF に保存", "", true},
    {1, "mnuFExit", "Da ziv Oru32 の終了(&X)", "", false},
    {0, "mnuEdit", "編集(&E)", "", false},
    {1, "mnuEUndo", "元に戻す(&U)", "Ctrl+Z", false},
    {1, "mnuERedo", "やり直し(&Y)", "Ctrl+Y", false},
    {1, "mnuECut", "切り取り(&T)", "Ctrl+X", true},
    {1, "mnuECopy", "コピー(&C)", "Ctrl+C", true},
    {1, "mnuEPaste", "貼り付け(&P)", "Ctrl+V", false},
    {1, "mnuEErase", "消去(&E)", "Del", true},
    {1, "mnuECopyLabels", "ラベル付きコピー(&L)", "", true},
    {1, "mnuEPasteLabels", "ラベル付き貼り付け(&B)", "", false},
    {1, "mnuECopyAll", "全シートをコピー(&A)", "", true},
    {1, "mnuEInsert", "挿入(&I)...", "Shift+Ins", false},
    {1, "mnuEDelete", "削除(&D)...", "Shift+Del", true},
    {1, "mnuEFind", "検索(&F)...", "Ctrl+F", true},
    {1, "mnuEReplace", "置換(&R)...", "Ctrl+R", true},
    {1, "mnuEJump", "ジャンプ(&J)...", "F5", true},
    {0, "mnuView", "表示(&V)", "", false},
    {1, "mnuVStat", "基礎統計量(&S)", "", true},
    {1, "mnuVVarInfo", "変数情報(&V)", "", true},
    {1, "mnuVFileInfo", "ファイル情報(&F)", "", true},
    {1, "mnuVLabel", "ラベル(&L)", "", true},
    {2, "mnuVLabelMake", "自動生成(&G)...", "", false},
    {2, "mnuVLabelDelete", "削除(&D)...", "", false},
    {1, "mnuVNameAlign", "変数名の表示位置(&V)..", "", false},
    {2, "mnuVNameLeft", "左揃え(&L)", "", false, true},
    {2, "mnuVNameCenter", "中央揃え(&C)", "", false, true},
    {2, "mnuVNameRight", "右揃え(&R)", "", false, true},
    {1, "mnuVCaseAlign", "ケース名の表示位置(&C)", "", false},
    {2, "mnuVCaseLeft", "左揃え(&L)", "", false},
    {2, "mnuVCaseCenter", "中央揃え(&C)", "", false},
    {2, "mnuVCaseRight", "右揃え(&R)", "", false},
    {0, "mnuData", "ﾃﾞｰﾀ(&D)", "", false},
    {1, "mnuDDefine", "変数の定義(&D)...", "", true},
    {1, "mnuDTypes", "変数型の一括指定(&V)...", "", true},
    {1, "mnuDCategory", "カテゴリ変数の処理(&P)", "", true},
    {2, "mnuDCombine", "カテゴリの結合(&C)...", "", false},
    {2, "mnuDBind", "変数の結合(&B)...", "", false},
    {1, "mnuDCaseNames", "ケース名(&C)...", "", true},
    {1, "mnuDCGroup", "ケースグループ(&G)...", "", true},
    {1, "mnuDRange", "範囲指定(&R)...", "", true},
    {1, "mnuDFileLabel", "ファイルラベル(&F)...", "", false},
    {1, "mnuDComment", "データのコメント(&O)...", "", false},
    {1, "mnuDSort", "ソート(&S)...", "", true},
    {1, "mnuDTrans", "変数変換(&T)...", "", true},
    {1, "mnuDTranspose", "転置データの生成(&L)", "", true},
    {1, "mnuDMissing", "欠損値の処理(&M)", "", false},
    {2, "mnuDToBlank", "空白へ(&T)...", "", true},
    {2, "mnuDFromBlank", "空白から(&F)...", "", true},
    {2, "mnuDBlankCode", "空白の出力コード(&O)...", "", false},
    {0, "mnuGraph", "ｸﾞﾗﾌ(&G)", "", false},
    {1, "mnuGScatter", "散布図(&S)", "", true},
    {1, "mnuGBox", "Box Plot(&B)", "", true},
    {1, "mnuGIndex", "ｲﾝﾃﾞｯｸｽﾌﾟﾛｯﾄ(&I)", "", true},
    {0, "mnuOption", "ｵﾌﾟｼｮﾝ(&O)", "", false},
    {1, "mnuORnd", "乱数の初期化(&R)...", "", false},
    {0, "mnuWindow", "ｳｨﾝﾄﾞｳ(&W)", "", false},
    {1, "mnuWCascade", "重ねて表示(&C)", "Ctrl+F5", false},
    {1, "mnuWTile", "並べて表示(&T)", "Ctrl+F4", false},
    {1, "mnuWArrange", "アイコンの整列(&A)", "", false},
    {0, "mnuHelp", "ﾍﾙﾌﾟ(&H)", "", false},
    {1, "mnuHContents", "目次(&C)...", "", false},
    {1, "mnuHIndex", "キーワード(&I)...", "", false},
    {1, "mnuHAbout", "バージョン情報(&A)...", "", false},
};

// Only the window and help menus until the graph window brings its own entries.
constexpr MenuEntry kGraphMenus[] = {
    {0, "mnuWindow", "ｳｨﾝﾄﾞｳ(&W)", "", false},
    {1, "mnuWCascade", "重ねて表示(&C)", "", false},
    {1, "mnuWTile", "並べて表示(&T)", "", false},
    {1, "mnuWArrange", "アイコンの整列(&A)", "", false},
    {0, "mnuHelp", "ﾍﾙﾌﾟ(&H)", "", false},
    {1, "mnuHIndex", "目次(&C)...", "", false},
    {1, "mnuHAbout", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", "", false},
};

}  // namespace

std::span<const MenuEntry> FrameMenuEntries() { return kFrameMenus; }
std::span<const MenuEntry> SheetMenuEntries() { return kSheetMenus; }
std::span<const MenuEntry> GraphMenuEntries() { return kGraphMenus; }

}  // namespace zoriduvo
