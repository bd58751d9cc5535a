#pragma once
// Message texts that more than one loading step shows.
#include "common/Texts.h"

namespace vellum {

inline constexpr const char* kNodeLimitMessage = TX("節点数の上限は1,000,000です");
inline constexpr const char* kNodeReferenceMessage =
    TX("節点アドレス参照エラー\n定義されていない節点番号が含まれてます");
inline constexpr const char* kCheckNodeFileMessage = TX("節点ファイルを確認してください");
inline constexpr const char* kCheckElementFileMessage = TX("要素ファイルを確認してください");
inline constexpr const char* kCheckDataFileMessage = TX("データファイルを確認してください");
inline constexpr const char* kVectorColumnsMissingMessage =
    TX("ベクトル成分に指定したデータ列がありません\nデータ列数を確認してください");
inline constexpr const char* kCheckDataMatchMessage = TX("データ番号と節点番号/要素番号の対応を確認してください");

// The design limit of the node readers.
inline constexpr size_t kMaxNodes = 1'000'000;

} // namespace vellum
