// The point-count products cannot overflow, whatever counts a record holds. The acceptance
// bounds the counts before the command derives, but the products themselves are formed
// where no 32-bit overflow is possible; under UBSan (the native-sanitize build) a product
// formed in 32 bits aborts these tests.
#include <gtest/gtest.h>
#include <stdint.h>

#include "shape/accept.h"
#include "shape/star_params.h"

TEST(DeriveStarParams, ProductsOfAnyCountsAreDefined) {
  struct Case {
    int32_t shape, vertices, division;
  };
  const Case cases[] = {
      {Star, INT32_MAX, 0},        {Star, INT32_MIN, 0},        {Wave, INT32_MAX, INT32_MAX},
      {Wave, INT32_MIN, INT32_MAX}, {Epicycloid, INT32_MIN, INT32_MIN}, {Hypotrochoid, 65536, 65536},
  };
  for (const Case& c : cases) {
    StarParams p = {};
    p.shapeType = c.shape, p.vertexCount = c.vertices, p.division = c.division, p.fixedRadius = 1.0f;
    DeriveStarParams(&p);  // the narrowed count is meaningless here; the arithmetic must be defined
  }
}

// Counts just inside and just past the limit, through the acceptance: what is accepted
// derives exactly the product, and the first count past the limit is refused.
TEST(AcceptStarEntry, PointLimitEdgesDeriveTheExactProduct) {
  struct Case {
    int32_t shape;
    const char *vertices, *division;
    AcceptResult result;
    int32_t points;
  };
  const Case cases[] = {
      {Star, "524288", "8", Accepted, 1 << 20},
      {Star, "524289", "8", RefusedVertexCountTooLarge, 0},
      {Star, "1073741824", "8", RefusedVertexCountTooLarge, 0},  // 2n is 2^31
      {Wave, "1", "1048576", Accepted, 1 << 20},
      {Wave, "1", "1048577", RefusedPointLimit, 0},
      {Epicycloid, "65536", "65536", RefusedPointLimit, 0},  // the product is 2^32
      {Hypocycloid, "46341", "46341", RefusedPointLimit, 0},  // just past 2^31
  };
  for (const Case& c : cases) {
    StarEntry e = {c.shape, c.vertices, "100", "50", 0, "50", c.division, "3", 0, 1};
    StarParams p = {};
    ASSERT_EQ(AcceptStarEntry(&e, &p), c.result) << c.vertices << " x " << c.division;
    if (c.result != Accepted) continue;
    DeriveStarParams(&p);
    EXPECT_EQ(p.pointCount, c.points) << c.vertices << " x " << c.division;
  }
}
