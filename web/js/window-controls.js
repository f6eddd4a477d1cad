/* The palette window's own controls: light or dark theme, compact or full size, hiding it, and
   the Colour / Project tabs of the side panel. */
(function (Virel) {
    'use strict';

    // The add-on puts a palette that lands on exactly 600 x 450 back, so neither size is that.
    const COMPACT_SIZE = { width: 360, height: 450 };
    const FULL_SIZE = { width: 640, height: 480 };
    const COMPACT_BELOW = 480;
    const THEME_KEY = 'virel-theme';

    class WindowControls {
        constructor(app) {
            this.app = app;
            const el = app.el;
            this.el = el;
            el.theme.addEventListener('click', () => this.setTheme(this.theme === 'dark' ? 'light' : 'dark', true));
            el.layout.addEventListener('click', () => this.toggleLayout());
            el.hide.addEventListener('click', () => app.run('hide'));
            this.tabs = { colour: [el.tabColour, el.panelColour], project: [el.tabProject, el.panelProject], schemes: [el.tabSchemes, el.panelSchemes] };
            const names = Object.keys(this.tabs);
            names.forEach((name, i) => {
                const tab = this.tabs[name][0];
                tab.addEventListener('click', () => this.showTab(name));
                tab.addEventListener('keydown', (e) => {
                    if (e.key !== 'ArrowLeft' && e.key !== 'ArrowRight') return;
                    e.preventDefault();
                    const next = names[(i + (e.key === 'ArrowRight' ? 1 : names.length - 1)) % names.length];
                    this.showTab(next);
                    this.tabs[next][0].focus();
                });
            });
            window.addEventListener('resize', () => this.renderLayoutButton());
            this.renderLayoutButton();
            this.setTheme(this.savedTheme(), false);
        }

        savedTheme() {
            let saved = null;
            try { saved = window.localStorage.getItem(THEME_KEY); } catch { saved = null; }
            if (saved === 'dark' || saved === 'light') return saved;
            return window.matchMedia && window.matchMedia('(prefers-color-scheme: dark)').matches ? 'dark' : 'light';
        }

        setTheme(theme, remember) {
            this.theme = theme;
            document.documentElement.setAttribute('data-theme', theme);
            const other = theme === 'dark' ? 'Light theme' : 'Dark theme';
            this.el.theme.setAttribute('aria-label', other);
            this.el.theme.title = other;
            if (remember) {
                try { window.localStorage.setItem(THEME_KEY, theme); } catch { /* a page without storage keeps it for now */ }
            }
        }

        isCompact() {
            return window.innerWidth < COMPACT_BELOW;
        }

        renderLayoutButton() {
            const text = this.isCompact() ? 'Full layout' : 'Compact layout';
            this.el.layout.setAttribute('aria-label', text);
            this.el.layout.title = text;
        }

        toggleLayout() {
            const size = this.isCompact() ? FULL_SIZE : COMPACT_SIZE;
            this.app.run('resize', JSON.stringify({ width: size.width, height: size.height }));
        }

        renderConnection(connected) {
            this.el.layout.disabled = !connected;
            this.el.hide.disabled = !connected;
        }

        showTab(tab) {
            for (const [name, [tabEl, panel]] of Object.entries(this.tabs)) {
                const on = name === tab;
                tabEl.setAttribute('aria-selected', String(on));
                tabEl.tabIndex = on ? 0 : -1;
                panel.hidden = !on;
            }
            if (tab === 'project') this.app.catalogue.showFilter();
            if (tab === 'schemes') this.app.schemes.render();
        }
    }

    Virel.WindowControls = WindowControls;
})(window.Virel = window.Virel || {});
