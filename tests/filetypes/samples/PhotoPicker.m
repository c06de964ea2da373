#import <UIKit/UIKit.h>

@class PhotoAsset;
@protocol PickerDelegate;

@protocol PickerDelegate <NSObject>
- (void)picker:(id)picker didPick:(PhotoAsset *)asset;
@end

@interface PhotoPicker : NSObject
@property (nonatomic, weak) id<PickerDelegate> delegate;
+ (instancetype)sharedPicker;
@end

@interface PhotoPicker (Thumbnails)
- (UIImage *)thumbnailForAsset:(PhotoAsset *)asset size:(CGSize)size;
@end

/* - (void)notAMethod; inside a comment */
static NSString *const kPickerDomain = @"picker";

static CGFloat ScaledSide(CGFloat side, CGFloat scale)
{
  return side * scale;
}

typedef NS_ENUM(NSInteger, PickerMode) {
  PickerModeSingle,
  PickerModeMany,
};

@implementation PhotoPicker

+ (instancetype)sharedPicker
{
  static PhotoPicker *shared;
  return shared;
}

- (void)presentFromController:(UIViewController *)controller
                     animated:(BOOL)animated
                   completion:(void (^)(BOOL finished))completion
{
  NSLog(@"- (void)notAMethod inside a string");
  [controller presentViewController:self animated:animated completion:nil];
}

- (UIImage *)thumbnailForAsset:(PhotoAsset *)asset size:(CGSize)size {
  return nil;
}

@end
