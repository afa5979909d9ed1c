#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "support/fixture_site.h"
#include "support/temporary_folder.h"
#include "workflow/fake_book_view.h"
#include "workflow/globals.h"
#include "workflow/site.h"

namespace vantrel::test {

// The query and the download through the real HTTP client against a local book site, with
// a fake window and a fresh download directory.
class WorkflowTest : public testing::Test {
protected:
    void SetUp() override { InitGlobals(); }
    void TearDown() override { FreeGlobals(); }

    FixtureSite& StartSite(FixtureBook book) {
        site_ = std::make_unique<FixtureSite>(std::move(book));
        view_.editBoxes[EditBox::kAddress] = Text(site_->CatalogueUrl());
        return *site_;
    }

    Site SiteDescription() const {
        return Site{.webHost = Text(site_->webHost()),
                    .mediaHost = Text(site_->mediaHost()),
                    .downloadFolder = downloads_.path() / kDownloadFolderName};
    }

    std::filesystem::path DownloadFolder() const { return SiteDescription().downloadFolder; }

    FixtureSite& site() { return *site_; }
    FakeBookView& view() { return view_; }

private:
    std::unique_ptr<FixtureSite> site_;
    TemporaryFolder downloads_;
    FakeBookView view_;
};

}  // namespace vantrel::test
