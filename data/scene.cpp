#include "data/scene.h"

#include "engine/base/archive.h"

namespace {

constexpr uint8_t kSceneTag = '6';
constexpr uint8_t kPageTag = '7';
constexpr int kScriptNameAfter = 101;
constexpr int kSecondTextAfter = 112;

}  // namespace

void SScenePage::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kPageTag);
    archive.SerializeSString(pictureName);
    archive.SerializeSString(text);
    if (version > kScriptNameAfter) archive.SerializeSString(scriptName);
}

void SScene::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(kSceneTag);
    archive.SerializeName(name);
    archive.SerializeSString(musicName);
    if (version > kSecondTextAfter) archive.SerializeSString(secondText);
    pages.SerializeList(archive, version, ListOrder::Appended);
}
