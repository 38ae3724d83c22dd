<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>今日推荐</title>
<link rel="stylesheet" href="/tcab/static/ad.css">
<style>
  .hit { width: 263px; height: 179px; padding: 8px 10px; margin: 3px 0 0 3px; }
  .hit h2 { margin: 0 0 6px; font-size: 13px; color: #f0a030; }
  .pick { display: flex; gap: 8px; }
  .pick .pic { flex: 0 0 64px; height: 88px; border-radius: 3px; display: flex; align-items: flex-end;
    padding: 3px; color: #fff; font-size: 11px; font-weight: bold; }
  .pick b { display: block; color: #fff; font-size: 14px; }
  .pick p { margin: 2px 0 6px; color: #9aa3b5; }
  .links a { margin-right: 8px; }
</style>
</head>
<body>
<div class="ad hit night">
  <a class="x" href="appclose://hit" title="关闭">✕</a>
  <h2>今日推荐</h2>
  <div class="pick">
    <div class="pic ocean">纸飞机的夏天</div>
    <div>
      <b>纸飞机的夏天</b>
      <p>海边小镇的孩子们和一只会说话的海鸥，一起把纸飞机送上灯塔。</p>
      <div class="links">
        <a class="go" href="appplay:///tcab/play/?s=zhifeiji&amp;ep=1">立即播放</a>
        <a href="appopen:///tcab/series/zhifeiji/">查看剧集</a>
      </div>
    </div>
  </div>
  <div class="links" style="margin-top: 6px;">
    <a href="appopen:///tcab/series/tiegui/">铁轨尽头</a>
    <a href="appplay:///tcab/play/?s=tiegui&amp;ep=1">试看第1集</a>
    <a href="appclose://hit">不感兴趣</a>
    <a href="/tcab/news.html" target="_blank">更多推荐</a>
  </div>
</div>
</body>
</html>
