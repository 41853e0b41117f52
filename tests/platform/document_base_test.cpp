// The framework's document without windows: its views, its file and its archive.
#include "platform/document_base.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/document/document_test_support.h"

namespace {

using testing::HasSubstr;

// A document of plain text that refuses a file starting with "bad".
class TextDocument : public CDocument {
public:
    DocumentStatus Serialize(CArchive& archive) override {
        if (archive.IsStoring()) {
            archive.Write(text);
            return {};
        }
        const std::string read = archive.ReadAll();
        if (read.starts_with("bad")) return DocumentStatus::Failure("\"" + archive.FileName() + "\" is bad");
        text = read;
        return {};
    }
    FileSizeLimit FileLimit() const override { return {16, "a text document"}; }
    std::string text;
};

TEST(DocumentBase, TellsItsViewsButTheSender) {
    TextDocument document;
    RecordingView first, second;
    document.AddView(first);
    document.AddView(second);
    document.AddView(first); // once only
    document.UpdateAllViews(&first, 5);
    ASSERT_EQ(second.updates.size(), 1u);
    EXPECT_EQ(second.updates[0].sender, &first);
    EXPECT_EQ(second.updates[0].hint, 5);
    EXPECT_TRUE(first.updates.empty());
    document.UpdateAllViews(nullptr);
    EXPECT_EQ(first.updates.size(), 1u);
    EXPECT_EQ(second.updates.size(), 2u);
    EXPECT_EQ(first.GetDocument(), &document);
}

TEST(DocumentBase, AViewLeavesItsDocumentWhenDestroyedAndTheOtherWayRound) {
    TextDocument document;
    RecordingView kept;
    document.AddView(kept);
    {
        RecordingView passing;
        document.AddView(passing);
    }
    document.UpdateAllViews(nullptr); // would reach the destroyed view if it had stayed
    EXPECT_EQ(kept.updates.size(), 1u);

    RecordingView orphan;
    {
        TextDocument shortLived;
        shortLived.AddView(orphan);
        EXPECT_EQ(orphan.GetDocument(), &shortLived);
    }
    EXPECT_EQ(orphan.GetDocument(), nullptr);

    // Moving a view to another document takes it from the first.
    TextDocument other;
    other.AddView(kept);
    document.UpdateAllViews(nullptr);
    EXPECT_EQ(kept.updates.size(), 1u);
    EXPECT_EQ(kept.GetDocument(), &other);
}

TEST(DocumentBase, OpensAndSavesWholeFiles) {
    TempFolder folder;
    TextDocument document;
    RecordingView view;
    document.AddView(view);
    ASSERT_TRUE(document.NewDocument());
    EXPECT_EQ(document.GetTitle(), "Untitled");
    EXPECT_EQ(view.updates.size(), 1u);

    const std::string path = folder.Write("one.txt", std::string("line\r\n\0binary", 14));
    ASSERT_TRUE(document.OnOpenDocument(path).ok());
    EXPECT_EQ(document.text, std::string("line\r\n\0binary", 14));
    EXPECT_EQ(document.GetPathName(), path);
    EXPECT_EQ(document.GetTitle(), "one.txt");
    EXPECT_EQ(view.updates.size(), 2u);

    document.text = "changed";
    document.SetModifiedFlag();
    const std::string copy = folder / "two.txt";
    ASSERT_TRUE(document.OnSaveDocument(copy).ok());
    EXPECT_EQ(Slurp(copy), "changed");
    EXPECT_EQ(document.GetPathName(), copy);
    EXPECT_FALSE(document.IsModified());
}

TEST(DocumentBase, AFileThatCannotBeReadOrIsRefusedChangesNothing) {
    TempFolder folder;
    TextDocument document;
    const std::string good = folder.Write("good.txt", "good");
    ASSERT_TRUE(document.OnOpenDocument(good).ok());
    struct Case {
        std::string path;
        std::string why;
    };
    const Case kCases[] = {
        {folder.Write("bad.txt", "bad bytes"), "is bad"},
        {folder / "absent.txt", "No such file or directory"},
        {folder / "", "Is a directory"},
        {folder.Write("long.txt", std::string(17, 'x')), "holds 17 bytes, and a text document holds at most 16 bytes"},
    };
    for (const Case& c : kCases) {
        const DocumentStatus status = document.OnOpenDocument(c.path);
        EXPECT_THAT(status.error, HasSubstr("\"" + c.path + "\""));
        EXPECT_THAT(status.error, HasSubstr(c.why));
        EXPECT_EQ(document.GetPathName(), good);
        EXPECT_EQ(document.text, "good");
    }
}

TEST(Archive, ReadsItsBytesOnceAndCollectsWhatIsWritten) {
    CArchive loading = CArchive::ForLoading("abc", "in.txt");
    EXPECT_TRUE(loading.IsLoading());
    EXPECT_EQ(loading.FileName(), "in.txt");
    EXPECT_EQ(loading.ReadAll(), "abc");
    EXPECT_EQ(loading.ReadAll(), "");

    CArchive storing = CArchive::ForStoring("out.txt");
    EXPECT_TRUE(storing.IsStoring());
    storing.Write("ab");
    storing.Write(std::string_view("c\0d", 3));
    EXPECT_EQ(storing.Bytes(), std::string("abc\0d", 5));
}

} // namespace
