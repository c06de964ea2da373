// A widget and its tests: members are listed with their indentation.
#include <string>

namespace ui {

template <class T> class Box {
 public:
  Box() : value_() {}
  explicit Box(const T& value) : value_(value) {}
  ~Box() {}
  T Get() const { return value_; }
  bool operator==(const Box& other) const {
    return value_ == other.value_;
  }
  void Set(const T& value);

 private:
  T value_;
};

template <class T>
void Box<T>::Set(const T& value) {
  if (value_ == value)
    return;
  value_ = value;
}

struct Size { int w, h; };

class UI_API Label : public Widget {
 public:
  Label();
  ~Label();
  int width() const;
  bool operator==(const Label& other) const;
};

}  // namespace ui

TEST(BoxTest, HoldsValue) {
  ui::Box<int> box(3);
  EXPECT_EQ(box.Get(), 3);
}

TEST_F(WidgetFixture, ResizesOnDemand) {
  for (int i = 0; i < 3; i++) {
    Resize(i);
  }
}

/* Left out of the build:
void Widget::Old(int unused)
{
}
*/
