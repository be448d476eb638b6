#pragma once

#include <array>
#include <cstddef>
#include <iterator>

namespace vortalis::sealbox {

// The window's controls, as the design names them.
enum class SealboxPart : std::size_t {
    Picture1,
    Drive1,
    Dir1,
    File1,
    Text1,
    Text2,
    Command1_0,
    Command1_1,
    Command1_2,
    ProgressBar1,
    Label1,
    Label2,
    kCount
};
inline constexpr std::size_t kSealboxPartCount = static_cast<std::size_t>(SealboxPart::kCount);

// The order both windows make the controls in: Tab takes those that take the
// focus in it, and a screen reader reads them in it.
inline constexpr SealboxPart kSealboxControlOrder[] = {
    SealboxPart::Picture1,     SealboxPart::Drive1,     SealboxPart::Dir1,
    SealboxPart::File1,        SealboxPart::Text1,      SealboxPart::Text2,
    SealboxPart::Command1_0,   SealboxPart::Command1_1, SealboxPart::Command1_2,
    SealboxPart::ProgressBar1, SealboxPart::Label1,     SealboxPart::Label2,
};

constexpr bool ListsEveryPartOnce(const auto& parts) {
    std::array<bool, kSealboxPartCount> seen{};
    for (const SealboxPart part : parts) {
        const auto index = static_cast<std::size_t>(part);
        if (index >= kSealboxPartCount || seen[index]) return false;
        seen[index] = true;
    }
    return std::size(parts) == kSealboxPartCount;
}
static_assert(ListsEveryPartOnce(kSealboxControlOrder), "every control is made, once");

// Each label and the box it names: a screen reader reads the label's text as
// the box's name.
struct LabelOfBox {
    SealboxPart label;
    SealboxPart box;
};
inline constexpr LabelOfBox kSealboxLabels[] = {
    {SealboxPart::Label1, SealboxPart::Text1},
    {SealboxPart::Label2, SealboxPart::Text2},
};

// Command1's buttons are parts of their own; the form numbers them 0 to 2.
constexpr bool IsCommand1(SealboxPart part) {
    return part >= SealboxPart::Command1_0 && part <= SealboxPart::Command1_2;
}
constexpr int Command1Index(SealboxPart part) {
    return static_cast<int>(part) - static_cast<int>(SealboxPart::Command1_0);
}

// The window as it was designed, in twips; each interface turns it into pixels
// at its screen's dots per inch.
inline constexpr int kSealboxClientWidthTwips = 5910;
inline constexpr int kSealboxClientHeightTwips = 5475;

struct DesignPlace {
    SealboxPart part;
    int left, top, width, height;
};

inline constexpr DesignPlace kSealboxDesign[] = {
    {SealboxPart::Label2, 210, 105, 1170, 195},
    {SealboxPart::Text2, 210, 315, 5475, 285},
    {SealboxPart::Drive1, 210, 735, 2535, 315},
    {SealboxPart::Dir1, 2940, 735, 2745, 1890},
    {SealboxPart::Command1_0, 210, 1155, 1170, 645},
    {SealboxPart::Command1_1, 1575, 1155, 1170, 645},
    {SealboxPart::Command1_2, 210, 1890, 1170, 645},
    {SealboxPart::File1, 210, 2730, 5475, 1455},
    {SealboxPart::Label1, 315, 4305, 1245, 195},
    {SealboxPart::Text1, 210, 4515, 5475, 285},
    {SealboxPart::ProgressBar1, 210, 4935, 5475, 330},
    {SealboxPart::Picture1, 0, 0, 0, 0},
};
static_assert(std::size(kSealboxDesign) == kSealboxPartCount, "every control has its place");

// The texts the controls show.
inline constexpr const char* kCommand1Captions[] = {"&Crypter", "&Décrypter", "&Quitter"};
inline constexpr const char* kLabel1Text = "Nom du fichier";  // over Text1, and its name
inline constexpr const char* kLabel2Text = "Mot de Passe";    // over Text2, and its name

// What a screen reader calls the controls that show no text of their own. The
// empty first stop of the tab order says where the keys lead from it.
inline constexpr const char* kPicture1Name =
    "Tab : lecteur, dossiers, fichiers, nom du fichier, mot de passe";
inline constexpr const char* kDrive1Name = "Lecteur";
inline constexpr const char* kDir1Name = "Dossiers";
inline constexpr const char* kFile1Name = "Fichiers";
inline constexpr const char* kProgressBar1Name = "Progression";

struct ScreenReaderName {
    SealboxPart part;
    const char* name;
};
inline constexpr ScreenReaderName kSealboxScreenReaderNames[] = {
    {SealboxPart::Picture1, kPicture1Name},
    {SealboxPart::Drive1, kDrive1Name},
    {SealboxPart::Dir1, kDir1Name},
    {SealboxPart::File1, kFile1Name},
    {SealboxPart::ProgressBar1, kProgressBar1Name},
};

}  // namespace vortalis::sealbox
