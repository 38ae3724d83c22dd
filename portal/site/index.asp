<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>澜映影视</title>
<link rel="stylesheet" href="/tcab/static/site.css">
</head>
<body>
<div class="topbar">
  <span class="brand">澜映影视</span>
  <nav><a href="/index.asp" class="on">首页</a><a href="/tcab/">片库</a><a href="/tcab/tj/">应用库</a><a href="/tcab/tv/">电视直播</a><a href="/tcab/news.html">公告</a><a href="/tcab/gbook.asp">留言板</a></nav>
  <span class="tools"><a class="btn" href="gbook://open">留言求片</a></span>
</div>
<div class="wrap">
  <div class="hero">
    <div class="poster xinghe">澜映</div>
    <div class="info">
      <h1>欢迎来到澜映影视</h1>
      <div class="meta"><span>原创剧集</span><span>多线路播放</span><span>桌面客户端</span></div>
      <p>四部原创剧集和一组短片，科幻、古装、悬疑、动画，一站看完。点击剧集进入片库，选集即可在客户端里播放。</p>
      <p><a class="btn hot" href="/tcab/">进入片库</a></p>
    </div>
  </div>
  <h2 class="section">本周热播</h2>
  <div class="grid">
    <a class="card" href="/tcab/"><div class="poster xinghe">星河渡口</div><div class="body"><b>星河渡口 第一季</b><span>科幻 · 30集全</span></div></a>
    <a class="card" href="/tcab/series/yanyu/"><div class="poster yanyu">烟雨长歌</div><div class="body"><b>烟雨长歌</b><span>古装 · 24集全</span></div></a>
    <a class="card" href="/tcab/series/tiegui/"><div class="poster tiegui">铁轨尽头</div><div class="body"><b>铁轨尽头</b><span>悬疑 · 36集全</span></div></a>
    <a class="card" href="/tcab/series/zhifeiji/"><div class="poster zhifeiji">纸飞机的夏天</div><div class="body"><b>纸飞机的夏天</b><span>动画 · 40集全</span></div></a>
    <a class="card" href="/tcab/series/weiguang/"><div class="poster weiguang">微光短片集</div><div class="body"><b>微光短片集</b><span>短片 · 2部全</span></div></a>
  </div>
  <div class="footer">澜映影视演示站 · 所有内容均为演示用原创</div>
</div>
</body>
</html>
