#pragma once
// SStateAddWorlds: the add-on worlds screen (screen 15), which the main menu opens over itself. It
// lists the installed add-on worlds page by page: name, "Official" or "3rd party", the enabled or
// disabled mark and a delete button. It only shows the list: the row buttons change nothing.
#include <cstdint>

#include "ui/state.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SStateAddWorlds : public SState {
public:
    static constexpr uint32_t kLayout = 47;
    static constexpr int kMaxRows = 10;

    // Element ids, which are also the commands of the buttons placed at them.
    enum Element : uint32_t {
        kTitle = 16,
        kBack = 25,
        kNameHeader = 139,
        kDescription = 664,
        kEmptyText = 665,
        kTypeHeader = 673,
        kEnableHeader = 681,
        kDeleteHeader = 689,
        kPreviousPage = 697,
        kNextPage = 698,
    };
    static constexpr uint32_t kNames[kMaxRows] = {666, 667, 668, 669, 670, 671, 672, 706, 710, 714};
    static constexpr uint32_t kTypes[kMaxRows] = {674, 675, 676, 677, 678, 679, 680, 707, 711, 715};
    static constexpr uint32_t kEnabledMarks[kMaxRows] = {682, 683, 684, 685, 686, 687, 688, 708, 712, 716};
    static constexpr uint32_t kDisabledMarks[kMaxRows] = {699, 700, 701, 702, 703, 704, 705, 718, 719, 720};
    static constexpr uint32_t kDeletes[kMaxRows] = {690, 691, 692, 693, 694, 695, 696, 709, 713, 717};

    struct SWorldRow {
        STextCtrl name;
        STextCtrl type;
        SButtonCtrl enabled;
        SButtonCtrl disabled;
        SButtonCtrl remove;
    };

    void Init(SGameData* game) override;
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    uint32_t OnCommand(uint32_t id) override;

    // Rows of a page in a screen mode.
    static int RowsPerPage(uint32_t screenMode);
    int Page() const { return m_page; }

    STextCtrl m_title;
    STextCtrl m_description;
    STextCtrl m_headers[4];  // name, type, enable, delete
    SWorldRow m_rows[kMaxRows];
    SButtonCtrl m_previousPage;
    SButtonCtrl m_nextPage;
    STextCtrl m_emptyText;
    SButtonCtrl m_back;

private:
    void build();
    // Shows the entries of the page in the rows and sets the page buttons' states.
    void showPage(int page);
    int worldCount() const;

    int m_page = 0;
    int m_rowsPerPage = 7;
};
