// The matrix and vector classes: sizes, bounds, the in-place and returning operations.
#include "matrix/real_matrix.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "matrix/matrix_exception.h"
#include "matrix/matrix_test_util.h"
#include "matrix/real_vector.h"

namespace kalvo {
namespace {

using testing::MatrixOf;

/// The message of the EMatrixException that f raises, or "" when it raises none.
template <typename F>
std::string RaisedMessage(F f) {
    try {
        f();
    } catch (const EMatrixException& e) {
        return e.what();
    }
    return "";
}

TEST(TRealMatrix, StartsAsFiveByFiveZeros) {
    TRealMatrix m;
    EXPECT_EQ(m.RowCount(), 5);
    EXPECT_EQ(m.ColCount(), 5);
    EXPECT_EQ(m.GetItem(4, 4), 0);
}

TEST(TRealMatrix, ShrinkingKeepsTheTopLeftAndGrowingAddsZeros) {
    TRealMatrix m = MatrixOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    m.SetSize(2, 2);
    EXPECT_EQ(m.RowCount(), 2);
    EXPECT_EQ(m.ColCount(), 2);
    EXPECT_EQ(m.GetItem(1, 1), 5);
    m.SetSize(3, 4);
    const Real expected[3][4] = {{1, 2, 0, 0}, {4, 5, 0, 0}, {0, 0, 0, 0}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(m.GetItem(i, j), expected[i][j]) << i << "," << j;
        }
    }
}

TEST(TRealMatrix, InvalidCountsThroughThePropertySettersAreIgnored) {
    TRealMatrix m = MatrixOf({{1, 2}, {3, 4}});
    for (int count : {0, -1, -100}) {
        m.SetRowCount(count);
        m.SetColCount(count);
        EXPECT_EQ(m.RowCount(), 2);
        EXPECT_EQ(m.ColCount(), 2);
        EXPECT_EQ(m.GetItem(1, 0), 3);
    }
    m.SetColCount(3);
    EXPECT_EQ(m.ColCount(), 3);
    EXPECT_EQ(m.RowCount(), 2);
    EXPECT_EQ(m.GetItem(1, 1), 4);
}

TEST(TRealMatrix, FailuresCarryTheirMessages) {
    TRealMatrix m(3, 8);
    TRealMatrix other(2, 3);
    struct Row {
        const char* name;
        std::function<void()> action;
        const char* message;
    } rows[] = {
        {"GetItem names the column, then the row", [&] { m.GetItem(2, 8); },
         "Index out of bounds8 2"},
        {"GetItem with a negative row", [&] { m.GetItem(-1, 7); }, "Index out of bounds7 -1"},
        {"SetItem says no more", [&] { m.SetItem(3, 0, 1); }, "Index out of bounds"},
        {"zero rows", [&] { m.SetSize(0, 3); }, "Invalid dimensions..."},
        {"negative columns", [&] { TRealMatrix bad(2, -1); }, "Invalid dimensions..."},
        {"sum of other sizes", [&] { m.AddInPlace(other); }, "Can not add these matrixes"},
        {"product needs ColCount = RowCount", [&] { other.Product(other); }, "Can not Multiply"},
        {"diagonal of a non-square", [&] { m.MakeDiagonal(1); },
         "This operation can be applied only to square matrix"},
        {"inverse of a non-square", [&] { other.Inverted(); },
         "This operation can be applied only to square matrix"},
        {"power of a non-square", [&] { other.Powered(2); }, "Can not Multiply"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(RaisedMessage(row.action), row.message);
    }
    EXPECT_EQ(m.RowCount(), 3) << "a failed SetSize changes nothing";
}

TEST(TRealMatrix, ProductHasTheOuterDimensions) {
    TRealMatrix a = MatrixOf({{1, 2, 3}, {4, 5, 6}});
    TRealMatrix b(3, 4);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            b.SetItem(i, j, i == j ? 1 : 0.5L * j);
        }
    }
    auto c = a.Product(b);
    ASSERT_EQ(c->RowCount(), 2);
    ASSERT_EQ(c->ColCount(), 4);
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 4; ++j) {
            Real sum = 0;
            for (int k = 0; k < 3; ++k) {
                sum += a.GetItem(i, k) * b.GetItem(k, j);
            }
            EXPECT_EQ(c->GetItem(i, j), sum);
        }
    }
    EXPECT_EQ(a.ColCount(), 3) << "the receiver is left unchanged";
}

TEST(TRealMatrix, SumScaleAndDiagonal) {
    TRealMatrix a = MatrixOf({{1, -2}, {3.5L, 0}});
    TRealMatrix b = MatrixOf({{0.25L, 2}, {-3.5L, 1}});
    auto sum = a.Sum(b);
    auto scaled = a.Scaled(-3);
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            EXPECT_EQ(sum->GetItem(i, j), a.GetItem(i, j) + b.GetItem(i, j));
            EXPECT_EQ(scaled->GetItem(i, j), a.GetItem(i, j) * -3);
        }
    }
    a.MakeDiagonal(7);
    EXPECT_EQ(a.GetItem(0, 0), 7);
    EXPECT_EQ(a.GetItem(0, 1), 0);
    a.FillWith(2);
    EXPECT_EQ(a.GetItem(1, 0), 2);
}

TEST(TRealMatrix, PowersZeroAndOneAreCopies) {
    TRealMatrix a = MatrixOf({{1, 2, 3}, {4, 5, 6}});  // even a non-square one
    for (int n : {1, 0, -3}) {
        auto p = a.Powered(n);
        ASSERT_EQ(p->RowCount(), 2);
        ASSERT_EQ(p->ColCount(), 3);
        EXPECT_EQ(p->GetItem(1, 2), 6);
        EXPECT_NE(p.get(), &a);
    }
}

TEST(TRealMatrix, PowerEqualsRepeatedProducts) {
    const TRealMatrix a = MatrixOf({{1, 1, 0}, {0, 2, -1}, {3, 0, 1}});
    TRealMatrix repeated = a;
    for (int n = 2; n <= 13; ++n) {
        repeated.MulInPlace(a);
        auto power = a.Powered(n);
        SCOPED_TRACE(n);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                // Small integers: both orders of multiplication are exact.
                EXPECT_EQ(power->GetItem(i, j), repeated.GetItem(i, j));
            }
        }
    }
}

TEST(TRealMatrix, HugePowersFinishAfterFewProducts) {
    // A permutation of order 3: its 2^31-1'th power is its own 1st power (2^31-1 = 1 mod 3).
    const TRealMatrix p = MatrixOf({{0, 1, 0}, {0, 0, 1}, {1, 0, 0}});
    auto power = p.Powered(2147483647);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(power->GetItem(i, j), p.GetItem(i, j));
        }
    }
}

TEST(TRealMatrix, RowOperations) {
    TRealMatrix m = MatrixOf({{1, 2}, {3, 4}});
    m.ExchangeRows(0, 1);
    EXPECT_EQ(m.GetItem(0, 0), 3);
    m.AddRowMultiple(1, 0, -2);  // {1,2} - 2·{3,4}
    EXPECT_EQ(m.GetItem(1, 0), -5);
    EXPECT_EQ(m.GetItem(1, 1), -6);
    m.ScaleRow(1, 0.5L);
    EXPECT_EQ(m.GetItem(1, 1), -3);
    EXPECT_EQ(RaisedMessage([&] { m.ExchangeRows(0, 2); }), "Index out of bounds");
}

/// A derived class: results of the returning operations must be of this class too.
class TaggedMatrix : public TRealMatrix {
  protected:
    TRealMatrix* NewEmpty() const override { return new TaggedMatrix; }
};

TEST(TRealMatrix, ResultsAreOfTheReceiversClass) {
    TaggedMatrix a;
    a.SetSize(2, 2);
    a.MakeDiagonal(2);
    EXPECT_NE(dynamic_cast<TaggedMatrix*>(a.Create().get()), nullptr);
    EXPECT_NE(dynamic_cast<TaggedMatrix*>(a.Sum(a).get()), nullptr);
    EXPECT_NE(dynamic_cast<TaggedMatrix*>(a.Product(a).get()), nullptr);
    EXPECT_NE(dynamic_cast<TaggedMatrix*>(a.Scaled(2).get()), nullptr);
    EXPECT_NE(dynamic_cast<TaggedMatrix*>(a.Powered(3).get()), nullptr);
    EXPECT_NE(dynamic_cast<TaggedMatrix*>(a.Inverted().get()), nullptr);
    EXPECT_EQ(a.Create()->RowCount(), 5);
}

TEST(TRealVector, CountsAndBounds) {
    TRealVector v;
    EXPECT_EQ(v.Count(), 5);
    v.SetItem(4, 2.5L);
    v.SetCount(7);
    EXPECT_EQ(v.GetItem(4), 2.5L);
    EXPECT_EQ(v.GetItem(6), 0);
    v.SetCount(2);
    EXPECT_EQ(v.Count(), 2);
    EXPECT_EQ(RaisedMessage([&] { v.GetItem(2); }), "Index out of bounds");
    EXPECT_EQ(RaisedMessage([&] { v.SetItem(-1, 0); }), "Index out of bounds");
    EXPECT_EQ(RaisedMessage([&] { v.SetCount(0); }), "Invalid dimension...");
    EXPECT_EQ(v.Count(), 2);
    EXPECT_EQ(v.Create()->Count(), 5);
}

}  // namespace
}  // namespace kalvo
