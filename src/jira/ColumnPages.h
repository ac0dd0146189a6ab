#pragma once

#include "jira/JiraDocuments.h"
#include "jira/ReviewIssue.h"

#include <QByteArray>
#include <QList>
#include <optional>

// One page of the column as a read uses it: its cards, and where the read goes next.
struct ColumnPage
{
    QList<ReviewIssue> cards;
    std::optional<qint64> total;          // agile read
    std::optional<QString> nextPageToken; // software read
    std::optional<bool> isLast;           // software read

    static ColumnPage from(const BoardIssuesResponse &response)
    {
        ColumnPage page{{}, response.total, response.nextPageToken, response.isLast};
        page.cards.reserve(response.issues.size());
        for (const RawIssue &raw : response.issues)
            page.cards.append(raw.toReviewIssue());
        return page;
    }
};

// The pages one read of the column received, each with what it held. A column that did not change
// comes back byte for byte as it came last time, and its pages need not be decoded again: decoding
// is a function of the bytes alone, so a page is matched by its bytes, not by where it came from.
class ColumnPages
{
public:
    // What these bytes held when they last came, or null.
    const ColumnPage *find(const QByteArray &body) const
    {
        for (const Kept &kept : m_pages)
            if (kept.body == body)
                return &kept.page;
        return nullptr;
    }
    void keep(QByteArray body, ColumnPage page) { m_pages.append({std::move(body), std::move(page)}); }

private:
    struct Kept
    {
        QByteArray body;
        ColumnPage page;
    };
    QList<Kept> m_pages;
};
