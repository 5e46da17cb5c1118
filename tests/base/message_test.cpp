// Tests of message building: heading, text and icon.
#include "base/message.h"

#include <gtest/gtest.h>

#include "base/strings.h"

namespace ordinax::base {
namespace {

TEST(Message, BuildsTextFromTheTableWithItsArgument) {
    const Message m = makeMessage(MsgCannotCreateFolder, Heading::Error, "/tmp/essai");
    EXPECT_EQ(m.id, MsgCannotCreateFolder);
    EXPECT_EQ(m.text, "Impossible de créer le dossier /tmp/essai.");
    EXPECT_EQ(m.formatted(), "ERREUR\n\nImpossible de créer le dossier /tmp/essai.");
    EXPECT_FALSE(m.empty());
}

TEST(Message, ArgumentIsInsertedOnceAndNeverReinterpreted) {
    const Message m = makeMessage(MsgFileOpenFailed, Heading::Error, "a%sb");
    EXPECT_EQ(m.text, "Impossible d'ouvrir le fichier a%sb !");
    // A text without "%s" ignores the argument.
    EXPECT_EQ(makeMessage(MsgFormatIncompatible, Heading::Error, "x").text,
              "Le format de ce fichier n'est pas compatible avec Ordinax !");
}

TEST(Message, UnknownIdGivesAnEmptyText) {
    EXPECT_TRUE(messageText(-1).empty());
    EXPECT_TRUE(makeMessage(-1, Heading::None).text.empty());
    EXPECT_TRUE(Message{}.empty());
}

TEST(Message, HeadingsAndIcons) {
    struct Case {
        Heading heading;
        const char* formatted;
        Icon icon;
    };
    const Case cases[] = {
        {Heading::None, "texte", Icon::Stop},
        {Heading::Error, "ERREUR\n\ntexte", Icon::Stop},
        {Heading::Warning, "ATTENTION\n\ntexte", Icon::Exclamation},
        {Heading::Check, "CONTRÔLE\n\ntexte", Icon::Stop},
        {Heading::Remark, "REMARQUE\n\ntexte", Icon::Information},
    };
    for (const Case& c : cases) {
        const Message m{0, c.heading, "texte"};
        EXPECT_EQ(m.formatted(), c.formatted);
        EXPECT_EQ(m.icon(), c.icon);
    }
    EXPECT_EQ(headingText(Heading::None), "");
}

}  // namespace
}  // namespace ordinax::base
