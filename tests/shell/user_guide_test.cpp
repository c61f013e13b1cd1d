// The user guide's pages as shipped: every language has them all, and every picture they show.
#include "shell/interface_translator.h"
#include "shell/user_guide_window.h"

#include <QFileInfo>
#include <QImage>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tavro::shell::UserGuideWindow;

namespace {

// The guide's sections, as the anchors every language's page has.
const QStringList SectionAnchors = {u"job"_s,   u"tuning"_s, u"status"_s, u"resume"_s,
                                    u"place"_s, u"files"_s,  u"serial"_s, u"burn"_s};

struct PageContent {
    QStringList anchors;
    QStringList pictures;
    int headings = 0;
};

PageContent contentOf(const QTextDocument &document)
{
    PageContent content;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2) ++content.headings;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            content.anchors << format.anchorNames();
            if (format.isImageFormat()) content.pictures << format.toImageFormat().name();
        }
    }
    return content;
}

TEST(UserGuide, EachLanguageHasEverySectionAndEveryPictureItShows)
{
    for (int language = 0; language < 6; ++language) {
        SCOPED_TRACE(language);
        UserGuideWindow window;
        window.showLanguage(language);
        const QString path = UserGuideWindow::pagePath(language);
        const QString locale = tavro::shell::InterfaceTranslator::localeName(language);
        EXPECT_TRUE(path.endsWith((locale.isEmpty() ? u"en"_s : locale) + u".html"_s));
        ASSERT_EQ(window.browser().source(), QUrl(u"qrc"_s + path));

        const PageContent content = contentOf(*window.browser().document());
        for (const QString &anchor : SectionAnchors)
            EXPECT_TRUE(content.anchors.contains(anchor)) << anchor.toStdString();
        EXPECT_EQ(content.headings, SectionAnchors.size());

        EXPECT_GE(content.pictures.size(), 5);
        for (const QString &picture : content.pictures) {
            const QString file = u":/assets/guide/"_s + picture;
            EXPECT_FALSE(QImage(file).isNull()) << picture.toStdString();
            EXPECT_LE(QFileInfo(file).size(), 60 * 1024) << "kept small: " << picture.toStdString();
        }
    }
}

TEST(UserGuide, AnyOtherLanguageShowsTheEnglishPage)
{
    EXPECT_EQ(UserGuideWindow::pagePath(-1), u":/assets/guide/en.html"_s);
    EXPECT_EQ(UserGuideWindow::pagePath(6), u":/assets/guide/en.html"_s);
}

}  // namespace
