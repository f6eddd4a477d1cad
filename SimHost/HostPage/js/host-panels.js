// The host's own panels: its menu bar with the add-on's menus, the material folder tree with
// swatches, and the undo and redo buttons named after their steps.
import { cssColour } from './drawn-colours.js';

export function showMenus(container, menus, onStep) {
    const shown = JSON.stringify(menus);
    if (container.dataset.shown === shown) return;
    container.dataset.shown = shown;
    container.replaceChildren(...menus.map((menu) => {
        const holder = document.createElement('span');
        holder.className = 'menu';
        const title = document.createElement('button');
        title.type = 'button';
        title.textContent = menu.title;
        title.setAttribute('aria-haspopup', 'menu');
        const items = document.createElement('div');
        items.className = 'menu-items';
        items.setAttribute('role', 'menu');
        items.hidden = true;
        menu.items.forEach((text, index) => {
            const item = document.createElement('button');
            item.type = 'button';
            item.setAttribute('role', 'menuitem');
            item.textContent = text;
            item.addEventListener('click', () => { items.hidden = true; onStep({ do: 'menu', list: menu.list, item: index + 1 }); });
            items.appendChild(item);
        });
        title.addEventListener('click', () => { items.hidden = !items.hidden; });
        holder.append(title, items);
        return holder;
    }));
}

export function showFolders(container, state) {
    const shown = JSON.stringify([state.folders, state.materials]);
    if (container.dataset.shown === shown) return;
    container.dataset.shown = shown;
    const root = { children: new Map(), materials: [] };
    const nodeOf = (path) => path.reduce((node, name) => {
        if (!node.children.has(name)) node.children.set(name, { children: new Map(), materials: [] });
        return node.children.get(name);
    }, root);
    state.folders.forEach(nodeOf);
    state.materials.forEach((material) => nodeOf(material.path).materials.push(material));
    const draw = (node) => {
        const parts = [];
        for (const [name, child] of node.children) {
            const folder = document.createElement('div');
            folder.className = 'folder';
            folder.setAttribute('role', 'treeitem');
            folder.setAttribute('aria-expanded', 'true');
            const label = document.createElement('div');
            label.className = 'folder-name';
            label.textContent = name;
            // nested items belong to a group of their folder
            const group = document.createElement('div');
            group.setAttribute('role', 'group');
            group.append(...draw(child));
            folder.append(label, group);
            parts.push(folder);
        }
        for (const material of node.materials) {
            const row = document.createElement('div');
            row.className = 'material';
            row.setAttribute('role', 'treeitem');
            const swatch = document.createElement('span');
            swatch.className = 'swatch';
            swatch.style.background = cssColour(material.rgb);
            row.append(swatch, document.createTextNode(material.name));
            parts.push(row);
        }
        return parts;
    };
    container.replaceChildren(...draw(root));
}

export function showHistory(undo, redo, state) {
    const last = (names) => names[names.length - 1];
    undo.disabled = state.undoHistory.length === 0;
    undo.textContent = undo.disabled ? 'Undo' : 'Undo ' + last(state.undoHistory);
    redo.disabled = state.redo.length === 0;
    redo.textContent = redo.disabled ? 'Redo' : 'Redo ' + last(state.redo);
}
